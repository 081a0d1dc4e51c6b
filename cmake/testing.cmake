# GoogleTest from Debian's sources, cross-built; tests run under Wine through
# CMAKE_CROSSCOMPILING_EMULATOR.
enable_testing()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# vastemor_gtest_runner(target): the target's tests pass only when the
# program ran to googletest's closing summary (scripts/gtest-run).
set(VASTEMOR_GTEST_RUN ${CMAKE_SOURCE_DIR}/scripts/gtest-run)
function(vastemor_gtest_runner target)
  set_target_properties(${target} PROPERTIES
    CROSSCOMPILING_EMULATOR "${VASTEMOR_GTEST_RUN};${CMAKE_CROSSCOMPILING_EMULATOR}")
endfunction()

# vastemor_virtual_pauses(tests...): the simulated controllers' pauses cost
# no wall time (HIDSIM_CLOCK); a test that times device work sets
# HIDSIM_CLOCK=wall after it.
function(vastemor_virtual_pauses)
  set_property(TEST ${ARGN} APPEND PROPERTY ENVIRONMENT_MODIFICATION HIDSIM_CLOCK=set:virtual)
endfunction()

# vastemor_test(name SOURCES ... [LIBS ...] [TIMEOUT s])
# One test binary, one ctest entry; runs in the test folder. Folders whose
# tests open windows set VASTEMOR_TESTS_USE_DESKTOP.
function(vastemor_test name)
  cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${VASTEMOR_TEST_BIN_DIR})
  target_link_libraries(${name} PRIVATE ${T_LIBS} gmock gtest_main)
  vastemor_warnings(${name})
  vastemor_gtest_runner(${name})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${VASTEMOR_TEST_BIN_DIR})
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT})
  vastemor_virtual_pauses(${name})
  if(VASTEMOR_TESTS_USE_DESKTOP)
    # Windows of parallel tests would share one display, its activation,
    # focus and cursor: such tests take turns.
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK desktop)
  endif()
endfunction()
