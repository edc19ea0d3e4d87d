# trust_root: trusts a test certificate authority inside the Wine prefix for the TLS checks.
if(WIN32)
  add_executable(trust_root ${CMAKE_CURRENT_LIST_DIR}/trust_root.cpp)
  target_link_libraries(trust_root PRIVATE crypt32)
endif()
