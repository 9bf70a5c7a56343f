# musarix_grid: the result grid (units ExtGrid and OVCL) on the ODBC object
# layer. A library of its own because it needs Qt Widgets, which the plain
# data-access library musarix_odbc must not. Included by odbc/CMakeLists.txt.
add_library(musarix_grid STATIC
  ${CMAKE_CURRENT_LIST_DIR}/GridTypes.h
  ${CMAKE_CURRENT_LIST_DIR}/GridColumn.h
  ${CMAKE_CURRENT_LIST_DIR}/GridColumn.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RowCache.h
  ${CMAKE_CURRENT_LIST_DIR}/RowCache.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ExtGrid.h
  ${CMAKE_CURRENT_LIST_DIR}/ExtGrid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OVCL.h
  ${CMAKE_CURRENT_LIST_DIR}/OVCL.cpp
)
target_link_libraries(musarix_grid PUBLIC musarix_odbc Qt6::Widgets)
musarix_target_defaults(musarix_grid)
