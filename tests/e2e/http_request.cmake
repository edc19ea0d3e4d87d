# The request through the real seam against loopback servers: natively, or the Windows build
# under the emulator (which then also needs trust_root for the TLS check).
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(http_e2e_args --probe $<TARGET_FILE:http_probe> --work ${CMAKE_BINARY_DIR}/test-tmp/http_e2e)
if(CMAKE_CROSSCOMPILING_EMULATOR)
  list(APPEND http_e2e_args --emulator ${CMAKE_CROSSCOMPILING_EMULATOR} --trust-tool $<TARGET_FILE:trust_root>)
endif()
add_test(NAME http_e2e COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/http_e2e.py ${http_e2e_args})
set_tests_properties(http_e2e PROPERTIES TIMEOUT 900)
