# The Linux INI reader and writer against the real private-profile functions under Wine: one
# seeded script of writes and reads through both, files and reads compared byte for byte.
if(WIN32)
  set(MORVELLA_LINUX_TOOLS_DIR ${CMAKE_SOURCE_DIR}/build/linux/tools
      CACHE PATH "Where the native build's test tools are")
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  add_test(NAME ini_differential
           COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/ini_differential.py
                   $<TARGET_FILE:ini_driver> ${MORVELLA_LINUX_TOOLS_DIR}/ini_driver
                   ${CMAKE_SOURCE_DIR}/scripts/wine-run ${CMAKE_BINARY_DIR}/test-tmp/ini_differential)
endif()
