# vastemor_generate_data(<generator target> OUTPUTS <file names...>)
# Runs a generator program of this build under the emulator, in bin/, to write
# the named data files, and copies them to bin-sim/ beside the simulated
# libraries.
function(vastemor_generate_data generator)
  cmake_parse_arguments(G "" "" "OUTPUTS" ${ARGN})
  set(outputs)
  set(built)
  foreach(name ${G_OUTPUTS})
    list(APPEND built ${VASTEMOR_BIN_DIR}/${name})
    list(APPEND outputs ${VASTEMOR_BIN_DIR}/${name} ${VASTEMOR_SIM_BIN_DIR}/${name})
  endforeach()
  add_custom_command(OUTPUT ${outputs}
    COMMAND ${CMAKE_COMMAND} -E env VASTEMOR_HEADLESS=1
            ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${generator}>
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VASTEMOR_SIM_BIN_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy ${built} ${VASTEMOR_SIM_BIN_DIR}
    WORKING_DIRECTORY ${VASTEMOR_BIN_DIR}
    DEPENDS ${generator}
    COMMENT "Generating ${G_OUTPUTS}"
    VERBATIM)
  add_custom_target(${generator}_data ALL DEPENDS ${outputs})
endfunction()
