# zlib (libz-mingw-w64-dev), stb_image (libstb-dev, header only) and minizip,
# compiled here from the sources that scripts/setup fetched.
find_library(ZLIB_STATIC NAMES libz.a z REQUIRED)
add_library(zlib_static INTERFACE)
target_link_libraries(zlib_static INTERFACE ${ZLIB_STATIC})

add_library(stb_image INTERFACE)
target_include_directories(stb_image SYSTEM INTERFACE /usr/include/stb)

set(VASTEMOR_MINIZIP_DIR ${CMAKE_SOURCE_DIR}/build/deps/minizip)
if(NOT EXISTS ${VASTEMOR_MINIZIP_DIR}/unzip.c)
  message(FATAL_ERROR "minizip sources missing: run scripts/setup")
endif()
add_library(minizip STATIC ${VASTEMOR_MINIZIP_DIR}/unzip.c ${VASTEMOR_MINIZIP_DIR}/ioapi.c)
target_include_directories(minizip SYSTEM PUBLIC ${VASTEMOR_MINIZIP_DIR})
target_compile_definitions(minizip PRIVATE NOCRYPT NOUNCRYPT)
target_compile_options(minizip PRIVATE -w)
target_link_libraries(minizip PUBLIC zlib_static)
