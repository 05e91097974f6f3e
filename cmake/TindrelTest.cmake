include(GoogleTest)

# tindrel_add_test(NAME name SOURCES a.cpp … LIBRARIES lib… [OWN_MAIN])
# One executable per module; each GoogleTest case becomes a ctest test. OWN_MAIN: the sources bring
# their own main() (Qt tests create the application object first).
function(tindrel_add_test)
  cmake_parse_arguments(ARG "OWN_MAIN" "NAME" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${ARG_NAME} ${ARG_SOURCES})
  set(main GTest::gtest_main)
  if(ARG_OWN_MAIN)
    set(main "")
  endif()
  target_link_libraries(${ARG_NAME} PRIVATE tindrel_config ${ARG_LIBRARIES} GTest::gtest GTest::gmock ${main})
  set_target_properties(${ARG_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${ARG_NAME} DISCOVERY_TIMEOUT 60
                       DISCOVERY_MODE PRE_TEST
                       PROPERTIES ENVIRONMENT "TINDREL_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()
