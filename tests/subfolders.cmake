# Adds every child folder of the current folder that has a CMakeLists.txt.
file(GLOB children CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*/CMakeLists.txt)
foreach(child ${children})
  get_filename_component(folder ${child} DIRECTORY)
  add_subdirectory(${folder})
endforeach()
