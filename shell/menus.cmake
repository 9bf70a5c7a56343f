# The main menu, the eight topic menus and the options dialog.
target_sources(musarix_shell PRIVATE
  ${CMAKE_CURRENT_SOURCE_DIR}/TopicMenu.h ${CMAKE_CURRENT_SOURCE_DIR}/TopicMenu.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/MusaMain.h ${CMAKE_CURRENT_SOURCE_DIR}/MusaMain.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/MenuLyri.h ${CMAKE_CURRENT_SOURCE_DIR}/MenuLyri.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/MenuBild.h ${CMAKE_CURRENT_SOURCE_DIR}/MenuBild.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/MenuScho.h ${CMAKE_CURRENT_SOURCE_DIR}/MenuScho.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/MenuStil.h ${CMAKE_CURRENT_SOURCE_DIR}/MenuStil.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/MenuTon.h ${CMAKE_CURRENT_SOURCE_DIR}/MenuTon.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/MenuInPe.h ${CMAKE_CURRENT_SOURCE_DIR}/MenuInPe.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/MenuFach.h ${CMAKE_CURRENT_SOURCE_DIR}/MenuFach.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/MenuAusz.h ${CMAKE_CURRENT_SOURCE_DIR}/MenuAusz.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/Setup.h ${CMAKE_CURRENT_SOURCE_DIR}/Setup.cpp
)
# The screens the menus open.
target_link_libraries(musarix_shell PUBLIC
  musarix_browse musarix_pages musarix_sound musarix_questions musarix_collection)
