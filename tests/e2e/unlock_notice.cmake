# The unlock notice through the real request routine against the mock robot (both builds; the
# Windows probe runs under Wine).
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_test(NAME unlock_notice_e2e
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/unlock_notice_e2e.py
    ${CMAKE_BINARY_DIR}/test-tmp/unlock_notice_e2e ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:notice_probe>)
