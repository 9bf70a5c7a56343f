# Tests of the shell core: the global unit, the screen base class, the
# default error display, the interface sounds and the backdrop. They run on
# Qt's offscreen platform (set by core_main.cpp) with private ODBC data
# sources and real container files.
add_library(musarix_shell_coretest STATIC
  CoreTestSupport.h CoreTestSupport.cpp
)
target_link_libraries(musarix_shell_coretest PUBLIC musarix_shell_base musarix_testsupport
  SQLite::SQLite3 GTest::gtest)
musarix_target_defaults(musarix_shell_coretest)

add_executable(tst_shell_core
  core_main.cpp
  tst_global.cpp
  tst_musaform.cpp
  tst_errordisplay.cpp
  tst_sounds.cpp
  tst_help.cpp
)
target_link_libraries(tst_shell_core PRIVATE musarix_shell_coretest)
# The help tests read the pages where the build puts them, beside the program.
add_dependencies(tst_shell_core musarix_help)
musarix_target_defaults(tst_shell_core)
gtest_discover_tests(tst_shell_core)

# The backdrop lives in musarix_shell, beside the menus it opens.
add_executable(tst_shell_backdrop
  core_main.cpp
  tst_backdrop.cpp
)
target_link_libraries(tst_shell_backdrop PRIVATE musarix_shell musarix_shell_coretest)
musarix_target_defaults(tst_shell_backdrop)
gtest_discover_tests(tst_shell_backdrop)
