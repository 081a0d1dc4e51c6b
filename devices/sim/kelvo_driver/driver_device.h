#pragma once
// The simulated Kelvo driver library's one device object. The driver mouse is
// the simulated Kelvo mouse of HidSim.dll: it is found, and reached, while an
// interface with the Kelvo ids is plugged in. Its configuration memory is kept
// here and, when HIDSIM_STATE_DIR is set, in "kelvo-driver.bin" there (loaded
// at start when it holds a whole image, saved after every write).

#include "devices/common/find_device.h"
#include "devices/sim/kelvo_driver/driver_image.h"

#include <string>

namespace kelvo_driver {

class DriverDevice {
public:
    DriverDevice();
    ~DriverDevice();
    DriverDevice(const DriverDevice&) = delete;
    DriverDevice& operator=(const DriverDevice&) = delete;

    // 0 when a mouse with the ids was found, 1 otherwise.
    int open(int vendorId, int productId);
    // 0 when it was open, 1 otherwise.
    int close();

    // The controller's memory into the image: 0, or 1 when the mouse is not reached.
    int readImage();
    // The image into the controller's memory: 0, or -1 when the mouse is not reached.
    int writeImage();
    // The four bytes into the controller's block and the image's.
    int writeLedCpiBlock(const uint8_t block[4]);
    // The first `size` bytes of the controller's memory become the image's,
    // as given (1 to kImageSize bytes; the memory behind them is kept); the
    // library's image stays until the next read. -1 for any other size.
    int writeRawImage(const uint8_t* image, int size);

    Image& image() { return image_; }

private:
    bool reached() const;
    void store(size_t address, const uint8_t* bytes, size_t length);

    hid::DeviceHandles handles_;
    Image memory_;  // the controller's
    Image image_;   // the library's copy
    std::wstring statePath_;
};

}  // namespace kelvo_driver
