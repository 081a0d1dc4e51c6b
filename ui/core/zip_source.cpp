#include "ui/core/zip_source.h"

#include <cstring>

namespace SkinUI {
namespace {

// Refusals of a seek, as the C runtime numbers them.
const long SEEK_NOT_SEEKABLE = 29;
const long SEEK_BAD_ORIGIN = 19;

}  // namespace

ZipSourceUI::ZipSourceUI()
    : m_isFile(false), m_isSeekable(false), m_file(INVALID_HANDLE_VALUE), m_error(false),
      m_startOffset(0), m_memory(nullptr), m_length(0), m_position(0)
{
}

ZipSourceUI* ZipSourceUI::FromFile(HANDLE file)
{
    ZipSourceUI* source = new ZipSourceUI;
    source->m_isFile = true;
    source->m_file = file;
    source->m_isSeekable = GetFileType(file) == FILE_TYPE_DISK;
    LARGE_INTEGER zero = {};
    LARGE_INTEGER position = {};
    if (source->m_isSeekable && SetFilePointerEx(file, zero, &position, FILE_CURRENT))
        source->m_startOffset = position.QuadPart;
    return source;
}

ZipSourceUI* ZipSourceUI::FromMemory(const void* data, DWORD length)
{
    ZipSourceUI* source = new ZipSourceUI;
    source->m_memory = static_cast<const unsigned char*>(data);
    source->m_length = length;
    return source;
}

ZipSourceUI::~ZipSourceUI()
{
    Close(this, this);
}

zlib_filefunc_def ZipSourceUI::FileFunctions()
{
    zlib_filefunc_def functions;
    functions.zopen_file = Open;
    functions.zread_file = Read;
    functions.zwrite_file = Write;
    functions.ztell_file = Tell;
    functions.zseek_file = Seek;
    functions.zclose_file = Close;
    functions.zerror_file = Error;
    functions.opaque = this;
    return functions;
}

voidpf ZCALLBACK ZipSourceUI::Open(voidpf opaque, const char*, int)
{
    return opaque;
}

uLong ZCALLBACK ZipSourceUI::Read(voidpf, voidpf stream, void* buffer, uLong size)
{
    ZipSourceUI* source = static_cast<ZipSourceUI*>(stream);
    if (!source->m_isFile) {
        const DWORD left = source->m_length - source->m_position;
        const DWORD count = size < left ? size : left;
        std::memcpy(buffer, source->m_memory + source->m_position, count);
        source->m_position += count;
        return count;
    }
    DWORD read = 0;
    if (!ReadFile(source->m_file, buffer, size, &read, nullptr)) {
        source->m_error = true;
        return 0;
    }
    return read;
}

uLong ZCALLBACK ZipSourceUI::Write(voidpf, voidpf, const void*, uLong)
{
    return 0;
}

long ZCALLBACK ZipSourceUI::Tell(voidpf, voidpf stream)
{
    const ZipSourceUI* source = static_cast<const ZipSourceUI*>(stream);
    if (!source->m_isFile)
        return static_cast<long>(source->m_position);
    if (!source->m_isSeekable)
        return 0;
    LARGE_INTEGER zero = {};
    LARGE_INTEGER position = {};
    if (!SetFilePointerEx(source->m_file, zero, &position, FILE_CURRENT))
        return -1;
    return static_cast<long>(position.QuadPart - source->m_startOffset);
}

long ZCALLBACK ZipSourceUI::Seek(voidpf, voidpf stream, uLong offset, int origin)
{
    ZipSourceUI* source = static_cast<ZipSourceUI*>(stream);
    if (source->m_isFile) {
        if (!source->m_isSeekable)
            return SEEK_NOT_SEEKABLE;
        LARGE_INTEGER distance;
        DWORD method;
        switch (origin) {
        case ZLIB_FILEFUNC_SEEK_SET:
            distance.QuadPart = source->m_startOffset + offset;
            method = FILE_BEGIN;
            break;
        case ZLIB_FILEFUNC_SEEK_CUR:
            distance.QuadPart = offset;
            method = FILE_CURRENT;
            break;
        case ZLIB_FILEFUNC_SEEK_END:
            distance.QuadPart = offset;
            method = FILE_END;
            break;
        default:
            return SEEK_BAD_ORIGIN;
        }
        return SetFilePointerEx(source->m_file, distance, nullptr, method) ? 0 : -1;
    }
    DWORD base;
    switch (origin) {
    case ZLIB_FILEFUNC_SEEK_SET:
        base = 0;
        break;
    case ZLIB_FILEFUNC_SEEK_CUR:
        base = source->m_position;
        break;
    case ZLIB_FILEFUNC_SEEK_END:
        base = source->m_length;
        break;
    default:
        return SEEK_BAD_ORIGIN;
    }
    if (offset > source->m_length - base)
        return -1;
    source->m_position = base + offset;
    return 0;
}

int ZCALLBACK ZipSourceUI::Close(voidpf, voidpf stream)
{
    ZipSourceUI* source = static_cast<ZipSourceUI*>(stream);
    if (!source)
        return -1;
    if (source->m_isFile && source->m_file != INVALID_HANDLE_VALUE) {
        CloseHandle(source->m_file);
        source->m_file = INVALID_HANDLE_VALUE;
    }
    return 0;
}

int ZCALLBACK ZipSourceUI::Error(voidpf, voidpf stream)
{
    const ZipSourceUI* source = static_cast<const ZipSourceUI*>(stream);
    return source->m_isFile && source->m_error ? 1 : 0;
}

}  // namespace SkinUI
