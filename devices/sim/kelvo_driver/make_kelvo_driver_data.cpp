// Writes the simulated Kelvo driver mouse's default configuration file into
// the current folder.
#include "devices/sim/kelvo_driver/driver_image.h"

#include <fstream>

int main() {
    const kelvo_driver::Image image = kelvo_driver::defaultImage();
    std::ofstream file("Driver_TevkKelvoData_Cfg1.bin", std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
    file.close();
    return file ? 0 : 1;
}
