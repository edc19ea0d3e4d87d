# The mock robot's own checks against the service's known answers (Linux build only).
if(NOT CMAKE_CROSSCOMPILING)
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  add_test(NAME mock_robot COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/mock_robot_test.py)
endif()
