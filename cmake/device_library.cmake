# vastemor_device_library(<name> SOURCES ... DEF <file> LIBS ...)
# Builds a device library twice: <name> over the Win32 HID backend (the
# delivered library, in bin/) and <name>_sim over HidSim.dll (in bin-sim/,
# same file name).
function(vastemor_device_library name)
  cmake_parse_arguments(D "" "DEF" "SOURCES;LIBS" ${ARGN})
  foreach(variant real sim)
    if(variant STREQUAL real)
      set(target ${name})
      set(backend hid_win32)
      set(folder ${VASTEMOR_BIN_DIR})
    else()
      set(target ${name}_sim)
      set(backend hidsim_client)
      set(folder ${VASTEMOR_SIM_BIN_DIR})
    endif()
    add_library(${target} SHARED ${D_SOURCES} ${D_DEF})
    target_link_libraries(${target} PRIVATE ${D_LIBS} hid_discovery ${backend} ole32)
    # Both variants share the file name, so their import libraries need
    # folders of their own.
    set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME ${name}
      RUNTIME_OUTPUT_DIRECTORY ${folder}
      ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_ARCHIVE_OUTPUT_DIRECTORY}/${variant})
    vastemor_warnings(${target})
  endforeach()
endfunction()
