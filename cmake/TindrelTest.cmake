include(GoogleTest)

# tindrel_add_test(NAME name SOURCES a.cpp b.cpp LIBRARIES lib...)
# One executable per module; each GoogleTest case becomes a ctest test.
function(tindrel_add_test)
  cmake_parse_arguments(ARG "" "NAME" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${ARG_NAME} ${ARG_SOURCES})
  target_link_libraries(${ARG_NAME} PRIVATE tindrel_config ${ARG_LIBRARIES} GTest::gtest GTest::gmock GTest::gtest_main)
  set_target_properties(${ARG_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${ARG_NAME} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "TINDREL_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()
