# vastemor_host_tool(<name> SOURCES <files...> [LIBS <static libraries...>])
# Builds tools/<name>, a program of the build machine (its own g++), from the
# sources and those of the named static libraries of this build and of the
# libraries they link, which must be defined already. Build steps run it
# without an emulator, so a build whose programs this machine cannot start
# still gets the files it writes. VASTEMOR_HOST_TOOL_DIR holds the tools.
find_program(VASTEMOR_HOST_CXX g++ REQUIRED)
set(VASTEMOR_HOST_TOOL_DIR ${CMAKE_BINARY_DIR}/tools)

# The sources of a static library and of the libraries it links, as full paths.
function(vastemor_library_sources library out)
  set(paths)
  get_target_property(sources ${library} SOURCES)
  get_target_property(folder ${library} SOURCE_DIR)
  foreach(source ${sources})
    get_filename_component(path ${source} ABSOLUTE BASE_DIR ${folder})
    list(APPEND paths ${path})
  endforeach()
  get_target_property(links ${library} LINK_LIBRARIES)
  foreach(link ${links})
    if(TARGET ${link})
      vastemor_library_sources(${link} linked)
      list(APPEND paths ${linked})
    endif()
  endforeach()
  set(${out} ${paths} PARENT_SCOPE)
endfunction()

function(vastemor_host_tool name)
  cmake_parse_arguments(H "" "" "SOURCES;LIBS" ${ARGN})
  set(sources)
  foreach(source ${H_SOURCES})
    get_filename_component(path ${source} ABSOLUTE)
    list(APPEND sources ${path})
  endforeach()
  foreach(library ${H_LIBS})
    if(NOT TARGET ${library})
      message(FATAL_ERROR "vastemor_host_tool(${name}): ${library} is not defined yet")
    endif()
    vastemor_library_sources(${library} linked)
    list(APPEND sources ${linked})
  endforeach()
  list(REMOVE_DUPLICATES sources)

  set(objects_dir ${CMAKE_CURRENT_BINARY_DIR}/${name}.host)
  set(objects)
  foreach(source ${sources})
    file(RELATIVE_PATH relative ${CMAKE_SOURCE_DIR} ${source})
    string(MAKE_C_IDENTIFIER ${relative} object)
    set(object ${objects_dir}/${object}.o)
    add_custom_command(OUTPUT ${object}
      COMMAND ${CMAKE_CXX_COMPILER_LAUNCHER} ${VASTEMOR_HOST_CXX} -std=c++17 -O2 -I${CMAKE_SOURCE_DIR}
              -MD -MF ${object}.d -c ${source} -o ${object}
      DEPENDS ${source}
      DEPFILE ${object}.d
      COMMENT "Compiling ${relative} for the build machine"
      VERBATIM)
    list(APPEND objects ${object})
  endforeach()
  add_custom_command(OUTPUT ${VASTEMOR_HOST_TOOL_DIR}/${name}
    COMMAND ${VASTEMOR_HOST_CXX} -o ${VASTEMOR_HOST_TOOL_DIR}/${name} ${objects}
    DEPENDS ${objects}
    COMMENT "Linking the build machine's ${name}"
    VERBATIM)
endfunction()
