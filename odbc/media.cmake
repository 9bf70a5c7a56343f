# Media containers (Vlf), their writer for the catalogue builder, and the
# catalogue schema. Included by odbc/CMakeLists.txt.
target_sources(musarix_odbc PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Vlf.h
  ${CMAKE_CURRENT_LIST_DIR}/Vlf.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VlfWriter.h
  ${CMAKE_CURRENT_LIST_DIR}/VlfWriter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CatalogSchema.h
  ${CMAKE_CURRENT_LIST_DIR}/CatalogSchema.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SystemStore.h
)

# odbc/Schema.sql is the one place where the schema lives. The build turns it
# into a C++ string (CatalogSchemaText.cpp) and regenerates it whenever the
# file changes.
set(MUSARIX_SCHEMA_SQL ${CMAKE_CURRENT_LIST_DIR}/Schema.sql)
set(MUSARIX_SCHEMA_CPP ${CMAKE_CURRENT_BINARY_DIR}/generated/CatalogSchemaText.cpp)
add_custom_command(
  OUTPUT ${MUSARIX_SCHEMA_CPP}
  COMMAND ${CMAKE_COMMAND} -DINPUT=${MUSARIX_SCHEMA_SQL} -DOUTPUT=${MUSARIX_SCHEMA_CPP}
          -P ${CMAKE_CURRENT_LIST_DIR}/EmbedSchema.cmake
  DEPENDS ${MUSARIX_SCHEMA_SQL} ${CMAKE_CURRENT_LIST_DIR}/EmbedSchema.cmake
  COMMENT "Embedding odbc/Schema.sql"
  VERBATIM)
target_sources(musarix_odbc PRIVATE ${MUSARIX_SCHEMA_CPP})
