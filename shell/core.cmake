# The backdrop that runs the program, and the entry operations of the intro
# and closing screens. Included by shell/CMakeLists.txt.
target_sources(musarix_shell PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AppIcon.h
  ${CMAKE_CURRENT_LIST_DIR}/AppIcon.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Black.h
  ${CMAKE_CURRENT_LIST_DIR}/Black.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Intro.h
  ${CMAKE_CURRENT_LIST_DIR}/Intro.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Outro.h
  ${CMAKE_CURRENT_LIST_DIR}/Outro.cpp
)
