# Tests of the result grid (units ExtGrid and OVCL): real widgets on Qt's
# offscreen platform (tst_grid_main.cpp selects it) over the real SQLite ODBC
# driver, each test on its own data source. Included by
# odbc/tests/CMakeLists.txt.
find_package(Qt6 REQUIRED COMPONENTS Test)
add_executable(tst_grid
  ${CMAKE_CURRENT_LIST_DIR}/tst_grid_main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridTestSupport.h
  ${CMAKE_CURRENT_LIST_DIR}/tst_grid_fetch.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tst_grid_scope.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tst_grid_edit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tst_grid_failure.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tst_grid_drawing.cpp
)
target_link_libraries(tst_grid PRIVATE musarix_grid musarix_testsupport Qt6::Test GTest::gtest)
musarix_target_defaults(tst_grid)
# One process per test: every test gets its own data source and environment.
gtest_discover_tests(tst_grid TEST_PREFIX "grid." DISCOVERY_TIMEOUT 30)
