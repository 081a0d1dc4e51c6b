#include "app/main/pages/common/config_image_files.h"

#include "app/core/files/binary_files.h"

#include <windows.h>

void WaitMilliseconds(int times) {
    for (int i = 0; i < times; ++i) Sleep(1);
}

bool ReadImageFile(const wchar_t* path, size_t size, std::vector<uint8_t>* image) {
    size_t read = 0;
    return ReadImageFile(path, size, size, image, &read);
}

bool ReadImageFile(const wchar_t* path, size_t smallest, size_t largest, std::vector<uint8_t>* image,
                   size_t* byteCount) {
    // One byte more than the largest image: a longer file is not an image either.
    std::vector<uint8_t> bytes(largest + 1, 0);
    size_t read = 0;
    if (!ReadBinaryFile(path, bytes.data(), bytes.size(), &read) || read < smallest || read > largest) return false;
    bytes.resize(largest);
    *image = std::move(bytes);
    *byteCount = read;
    return true;
}

void ExportImage(const PageServices& services, const wchar_t* path, size_t size,
                 const std::function<int(uint8_t* image)>& copyImage) {
    std::vector<uint8_t> image(size, 0);
    const int result = copyImage(image.data());
    WaitMilliseconds(100);
    if (result != 0 || WriteBinaryFile(path, image.data(), image.size())) return;
    ShowBoxLater(services, kExportFileNotWritten);
}

void ShowBoxLater(const PageServices& services, const wchar_t* text) {
    services.ui->Post([services, text] { services.messages->Show(services.owner, text); });
}
