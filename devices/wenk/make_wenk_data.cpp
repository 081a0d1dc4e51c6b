// Writes the Wenk keyboard's default data file into the current folder.
#include "devices/wenk/default_image.h"

#include <fstream>

int main() {
    const auto image = wenk::defaultImage();
    std::ofstream file("DefaultData_1.bin", std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
    file.close();
    return file ? 0 : 1;
}
