# Replays settings-file scripts through the private-profile seam (the INI differential test).
add_executable(ini_driver ${CMAKE_CURRENT_LIST_DIR}/ini_driver.cpp)
target_link_libraries(ini_driver PRIVATE morvella_platform)
