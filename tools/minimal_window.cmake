# The baseline window program for bench/startup.sh (Windows build only).
if(WIN32)
  add_executable(minimal_window ${PROJECT_SOURCE_DIR}/bench/minimal_window.cpp)
  target_link_options(minimal_window PRIVATE -municode -mwindows)
  target_link_libraries(minimal_window PRIVATE user32)
endif()
