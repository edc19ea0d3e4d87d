# The Linux code-page converter against Windows' own (run under Wine): both builds of
# code_page_dump convert every GBK byte and byte pair and every UTF-16 code unit through the
# codecs, and the two dumps must agree byte for byte. The Linux dump comes from the native build.
if(NOT WIN32 OR NOT CMAKE_CROSSCOMPILING)
  return()
endif()

set(MORVELLA_LINUX_BUILD_DIR "${CMAKE_SOURCE_DIR}/build/linux" CACHE PATH
    "Native build whose tools/code_page_dump the code-page comparison runs")
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_test(NAME code_page_differential
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/code_page_differential.py
    --work-dir ${CMAKE_BINARY_DIR}/test-tmp/code_page_differential
    --linux ${MORVELLA_LINUX_BUILD_DIR}/tools/code_page_dump
    --windows ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:code_page_dump>)
