#pragma once

#include <windows.h>

#include <ioapi.h>

namespace SkinUI {

// The bytes under a skin archive: a disk file or a memory block the caller
// keeps alive. minizip reads it through the functions of FileFunctions().
class ZipSourceUI {
public:
    // Takes over the handle; offsets count from its current position.
    static ZipSourceUI* FromFile(HANDLE file);
    static ZipSourceUI* FromMemory(const void* data, DWORD length);
    ~ZipSourceUI();

    zlib_filefunc_def FileFunctions();

private:
    ZipSourceUI();
    ZipSourceUI(const ZipSourceUI&) = delete;
    ZipSourceUI& operator=(const ZipSourceUI&) = delete;

    static voidpf ZCALLBACK Open(voidpf opaque, const char* name, int mode);
    static uLong ZCALLBACK Read(voidpf opaque, voidpf stream, void* buffer, uLong size);
    static uLong ZCALLBACK Write(voidpf opaque, voidpf stream, const void* buffer, uLong size);
    static long ZCALLBACK Tell(voidpf opaque, voidpf stream);
    static long ZCALLBACK Seek(voidpf opaque, voidpf stream, uLong offset, int origin);
    static int ZCALLBACK Close(voidpf opaque, voidpf stream);
    static int ZCALLBACK Error(voidpf opaque, voidpf stream);

    bool m_isFile;
    bool m_isSeekable;
    HANDLE m_file;
    bool m_error;
    LONGLONG m_startOffset;
    const unsigned char* m_memory;
    DWORD m_length;
    DWORD m_position;
};

}  // namespace SkinUI
