# The program musarix, and its help pages beside it in bin/help/ (the help
# looks for them in the program's directory). Included by shell/CMakeLists.txt.
add_executable(musarix ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(musarix PRIVATE musarix_shell)
musarix_target_defaults(musarix)

file(GLOB MUSARIX_HELP_PAGES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/help/*)
set(MUSARIX_HELP_STAMP ${CMAKE_CURRENT_BINARY_DIR}/help.stamp)
add_custom_command(
  OUTPUT ${MUSARIX_HELP_STAMP}
  COMMAND ${CMAKE_COMMAND} -E make_directory $<TARGET_FILE_DIR:musarix>/help
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${MUSARIX_HELP_PAGES} $<TARGET_FILE_DIR:musarix>/help
  COMMAND ${CMAKE_COMMAND} -E touch ${MUSARIX_HELP_STAMP}
  DEPENDS ${MUSARIX_HELP_PAGES}
  COMMENT "Copying the help pages beside the program"
  VERBATIM)
add_custom_target(musarix_help ALL DEPENDS ${MUSARIX_HELP_STAMP})
add_dependencies(musarix musarix_help)
