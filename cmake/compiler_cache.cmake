# Rebuilds in several work trees share one compiler cache when ccache is there.
find_program(VASTEMOR_CCACHE ccache)
if(VASTEMOR_CCACHE)
  set(CMAKE_C_COMPILER_LAUNCHER ${VASTEMOR_CCACHE})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${VASTEMOR_CCACHE})
endif()
