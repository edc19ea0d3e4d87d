# Wine opens windows only on an X display: the window and session seam tests run again here,
# under a private Xvfb (plain ctest runs skip them).
if(WIN32)
  add_test(NAME window_seams
    COMMAND xvfb-run -a ${PROJECT_SOURCE_DIR}/scripts/wine-run $<TARGET_FILE:platform_tests>
            --gtest_filter=Win32Window.*:Win32SessionEvents.*)
endif()
