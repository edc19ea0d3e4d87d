# Sends the program's window a run of unlocks, for bench/unlock_latency.sh (Windows build only).
if(WIN32)
  add_executable(session_event_burst ${PROJECT_SOURCE_DIR}/bench/session_event_burst.cpp)
  target_include_directories(session_event_burst PRIVATE ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(session_event_burst PRIVATE user32)
endif()
