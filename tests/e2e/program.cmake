# The whole Windows program under Wine and Xvfb, driven from outside (Windows build only).
if(WIN32)
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  add_test(NAME program_scenarios
           COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/program_scenarios.py ${CMAKE_BINARY_DIR})
  set_tests_properties(program_scenarios PROPERTIES TIMEOUT 600)
endif()
