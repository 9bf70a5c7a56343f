# The global unit, the screen base class, the default error display, the
# interface sounds and the help viewer. Included by shell/CMakeLists.txt.
target_sources(musarix_shell_base PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Global.h
  ${CMAKE_CURRENT_LIST_DIR}/Global.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HintFilter.h
  ${CMAKE_CURRENT_LIST_DIR}/HintFilter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/InterfaceSounds.h
  ${CMAKE_CURRENT_LIST_DIR}/InterfaceSounds.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MusaForm.h
  ${CMAKE_CURRENT_LIST_DIR}/MusaForm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MusaApplication.h
  ${CMAKE_CURRENT_LIST_DIR}/MusaApplication.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Help.h
  ${CMAKE_CURRENT_LIST_DIR}/Help.cpp
)
