#pragma once
// A keyboard library that reads its whole configuration image: while the
// object lives, the process's binder calls a stand-in in place of the
// keyboard's Device_ReadEEPromData, which runs the given read on the
// caller's thread. Swap it only while no device request runs.

#include "app/core/binder/device_binder.h"

#include <cstdint>
#include <functional>

class ImageReadStandIn {
public:
    // Fills the 2048-byte image; 0 when it did, as the library answers.
    using Read = std::function<int(uint8_t* image)>;

    explicit ImageReadStandIn(Read read);
    ~ImageReadStandIn();
    ImageReadStandIn(const ImageReadStandIn&) = delete;
    ImageReadStandIn& operator=(const ImageReadStandIn&) = delete;

private:
    using Entry = decltype(DeviceEntries::Device_ReadEEPromData);

    Read read_;
    Entry& slot_;
    const Entry library_;
};
