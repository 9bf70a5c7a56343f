# Tests of the media containers and of the catalogue schema. Included by
# odbc/tests/CMakeLists.txt.
add_executable(tst_vlf ${CMAKE_CURRENT_LIST_DIR}/tst_vlf.cpp)
target_link_libraries(tst_vlf PRIVATE musarix_odbc GTest::gtest_main)
musarix_target_defaults(tst_vlf)
gtest_discover_tests(tst_vlf)

# The schema test also asks the real SQLite ODBC driver (named by path, so no
# odbc.ini entry is needed) what it reports for every column.
add_executable(tst_schema ${CMAKE_CURRENT_LIST_DIR}/tst_schema.cpp)
target_link_libraries(tst_schema PRIVATE musarix_odbc musarix_testsupport GTest::gtest_main)
target_compile_definitions(tst_schema PRIVATE
  MUSARIX_SQLITE_ODBC_DRIVER="${MUSARIX_SQLITE_ODBC_DRIVER}")
musarix_target_defaults(tst_schema)
gtest_discover_tests(tst_schema PROPERTIES
  ENVIRONMENT "ODBCINI=${CMAKE_CURRENT_BINARY_DIR}/tst_schema.odbc.ini;ODBCSYSINI=${CMAKE_CURRENT_BINARY_DIR}")
