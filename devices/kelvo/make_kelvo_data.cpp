// Writes the Kelvo mouse's default configuration file into the current folder.
#include "devices/kelvo/default_image.h"

#include <fstream>

int main() {
    const auto image = kelvo::defaultImage();
    std::ofstream file("TevkKelvoData_Cfg1.bin", std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
    file.close();
    return file ? 0 : 1;
}
