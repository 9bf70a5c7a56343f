# cmake -DINPUT=Schema.sql -DOUTPUT=CatalogSchemaText.cpp -P EmbedSchema.cmake
# Writes the schema text as a C++ raw string literal (see CatalogSchema.h).
file(READ "${INPUT}" text)
string(FIND "${text}" ")MUSARIX_SCHEMA\"" clash)
if(NOT clash EQUAL -1)
  message(FATAL_ERROR "${INPUT} contains the raw-string delimiter )MUSARIX_SCHEMA\"")
endif()
set(content "// Generated from odbc/Schema.sql by odbc/EmbedSchema.cmake. Do not edit.\n")
string(APPEND content "#include \"odbc/CatalogSchema.h\"\n\n")
string(APPEND content "extern const char* const CatalogSchemaTextData;\n")
string(APPEND content "const char* const CatalogSchemaTextData = R\"MUSARIX_SCHEMA(${text})MUSARIX_SCHEMA\";\n")
file(WRITE "${OUTPUT}" "${content}")
