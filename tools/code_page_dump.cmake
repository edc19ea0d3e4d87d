# Dumps the code-page conversions for the Windows-versus-Linux comparison in tests/e2e.
add_executable(code_page_dump ${CMAKE_CURRENT_LIST_DIR}/code_page_dump.cpp)
target_link_libraries(code_page_dump PRIVATE morvella_core)
