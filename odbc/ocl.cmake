# The ODBC object layer (unit OCL) and the program's
# general exception class. Included by odbc/CMakeLists.txt.
target_sources(musarix_odbc PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/OCL.h
  ${CMAKE_CURRENT_LIST_DIR}/Exception.h
  ${CMAKE_CURRENT_LIST_DIR}/Exception.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EODBC.h
  ${CMAKE_CURRENT_LIST_DIR}/EODBC.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TODBCError.h
  ${CMAKE_CURRENT_LIST_DIR}/TODBCError.cpp
  ${CMAKE_CURRENT_LIST_DIR}/THbase.h
  ${CMAKE_CURRENT_LIST_DIR}/THbase.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TChildren.h
  ${CMAKE_CURRENT_LIST_DIR}/TChildren.cpp
  ${CMAKE_CURRENT_LIST_DIR}/THenv.h
  ${CMAKE_CURRENT_LIST_DIR}/THenv.cpp
  ${CMAKE_CURRENT_LIST_DIR}/THdbc.h
  ${CMAKE_CURRENT_LIST_DIR}/THdbc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/THstmt.h
  ${CMAKE_CURRENT_LIST_DIR}/THstmt.cpp
)
