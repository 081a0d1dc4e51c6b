#pragma once
// Whole configuration images between a mouse's library and a file: the
// export and the first step of an import.

#include "app/windows/export_notice.h"
#include "app/windows/page_services.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

// The box of an import whose file was refused (unreadable, or of a size the
// controller does not take).
inline constexpr wchar_t kImportFileRefused[] = L"%{087}";

// Shows the box with the text over the owner on the user-interface thread,
// once it takes the hand-over (the caller may hold a lock).
void ShowBoxLater(const PageServices& services, const wchar_t* text);

// Waits times × 1 ms, the pause the libraries want after a whole-image transfer.
void WaitMilliseconds(int times);

// The file's bytes when it holds exactly one image of `size` bytes. False for
// a file of any other size and for one that cannot be read; nothing past
// size + 1 bytes is read.
bool ReadImageFile(const wchar_t* path, size_t size, std::vector<uint8_t>* image);
// The same for a file of `smallest` to `largest` bytes: the image holds
// `largest` bytes, zero behind the file's, and byteCount the file's size.
bool ReadImageFile(const wchar_t* path, size_t smallest, size_t largest, std::vector<uint8_t>* image,
                   size_t* byteCount);

// Asks the library for its image (size bytes, 0 on success), waits 100 ms and
// writes the image to the file only when the library gave it. The controller
// is not written. A file that cannot be written is reported in a box over the
// owner, shown on the user-interface thread once it takes the hand-over (the
// caller may hold a lock).
void ExportImage(const PageServices& services, const wchar_t* path, size_t size,
                 const std::function<int(uint8_t* image)>& copyImage);
