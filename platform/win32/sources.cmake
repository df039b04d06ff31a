set(ZAT_WIN32_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/win32_page_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win32_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win32_file_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win32_desktop.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win32_system.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../../app/main_win32.cpp
)
