# Tests of the main menu, the topic menus and the options dialog. The menus
# run for real on Qt's offscreen platform (set by menus_main.cpp); the
# screens they open are watched through the hooks of their entry operations.
add_executable(tst_shell_menus
  menus_main.cpp
  MenuTestSupport.h MenuTestSupport.cpp
  SoundLog.h SoundLog.cpp
  tst_menus_main.cpp
  tst_menus_topics.cpp
  tst_menus_awards.cpp
  tst_menus_art.cpp
  tst_setup.cpp
)
target_link_libraries(tst_shell_menus PRIVATE musarix_shell Qt6::Test GTest::gtest)
musarix_target_defaults(tst_shell_menus)
gtest_discover_tests(tst_shell_menus)
