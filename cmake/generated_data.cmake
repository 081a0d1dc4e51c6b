# vastemor_generate_data(<host tool> OUTPUTS <file names...> [SIM_ONLY])
# Runs a tool of vastemor_host_tool() in bin/ to write the named data files
# and copies them to bin-sim/ beside the simulated libraries; with SIM_ONLY
# (files of simulated libraries alone) it runs in bin-sim/.
function(vastemor_generate_data tool)
  cmake_parse_arguments(G "SIM_ONLY" "" "OUTPUTS" ${ARGN})
  set(written)
  set(sim_files)
  foreach(name ${G_OUTPUTS})
    list(APPEND written ${VASTEMOR_BIN_DIR}/${name})
    list(APPEND sim_files ${VASTEMOR_SIM_BIN_DIR}/${name})
  endforeach()
  set(folder ${VASTEMOR_BIN_DIR})
  set(copy COMMAND ${CMAKE_COMMAND} -E copy ${written} ${VASTEMOR_SIM_BIN_DIR})
  if(G_SIM_ONLY)
    set(folder ${VASTEMOR_SIM_BIN_DIR})
    set(written)
    set(copy)
  endif()
  add_custom_command(OUTPUT ${written} ${sim_files}
    COMMAND ${VASTEMOR_HOST_TOOL_DIR}/${tool}
    ${copy}
    WORKING_DIRECTORY ${folder}
    DEPENDS ${VASTEMOR_HOST_TOOL_DIR}/${tool}
    COMMENT "Generating ${G_OUTPUTS}"
    VERBATIM)
  add_custom_target(${tool}_data ALL DEPENDS ${written} ${sim_files})
endfunction()
