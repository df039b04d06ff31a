set(ZAT_FAKE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/resource_parser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fake_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fake_desktop.cpp
)
