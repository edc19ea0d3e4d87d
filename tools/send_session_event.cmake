# Sends the running program's window a session change, for the end-to-end tests (Windows build only).
if(WIN32)
  add_executable(send_session_event ${CMAKE_CURRENT_LIST_DIR}/send_session_event.cpp)
  target_include_directories(send_session_event PRIVATE ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(send_session_event PRIVATE user32)
endif()
