# Tests of the ODBC object layer (unit OCL) against the real unixODBC driver
# manager and SQLite ODBC driver, each on a private data source
# (tests/support/TestDataSource.h). Included by odbc/tests/CMakeLists.txt.
add_executable(tst_ocl
  ${CMAKE_CURRENT_LIST_DIR}/OclTestSupport.h
  ${CMAKE_CURRENT_LIST_DIR}/tst_ocl_values.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tst_ocl_statement.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tst_ocl_errors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tst_ocl_control.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tst_ocl_lifetime.cpp
)
target_link_libraries(tst_ocl PRIVATE musarix_odbc musarix_testsupport GTest::gtest_main)
musarix_target_defaults(tst_ocl)
# One process per test: every test gets its own data source and environment.
gtest_discover_tests(tst_ocl TEST_PREFIX "ocl." DISCOVERY_TIMEOUT 30)
