# Rebuilds in several work trees share one compiler cache when ccache is there:
# paths below the source folder are hashed relative to it.
find_program(VASTEMOR_CCACHE ccache)
if(VASTEMOR_CCACHE)
  set(launcher ${CMAKE_COMMAND} -E env CCACHE_BASEDIR=${CMAKE_SOURCE_DIR} ${VASTEMOR_CCACHE})
  set(CMAKE_C_COMPILER_LAUNCHER ${launcher})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${launcher})
endif()
