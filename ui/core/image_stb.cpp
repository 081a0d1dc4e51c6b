// The decoder's implementation, compiled once for the whole framework.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_NO_STDIO
#define STBI_MAX_DIMENSIONS 16384
// Radiance HDR is left out: a run length of 0 in its scanlines makes this
// decoder loop for ever, and no skin uses the format.
#define STBI_NO_HDR
#include "stb_image.h"
