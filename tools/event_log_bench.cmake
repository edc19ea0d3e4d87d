# The event log's benchmark program, run by bench/event_log.sh.
add_executable(event_log_bench ${CMAKE_SOURCE_DIR}/bench/event_log_bench.cpp)
target_link_libraries(event_log_bench PRIVATE morvella_core)
