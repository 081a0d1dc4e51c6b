#include "tests/app/support/image_read_stand_in.h"

#include <utility>

namespace {

const ImageReadStandIn::Read* standingIn = nullptr;

int __stdcall ReadImage(uint8_t* image) { return (*standingIn)(image); }

}  // namespace

// The binder hands out its entries read-only; a test stands in for the library.
ImageReadStandIn::ImageReadStandIn(Read read)
    : read_(std::move(read)),
      slot_(const_cast<DeviceEntries&>(DeviceLibraryBinder::Instance().Entries()).Device_ReadEEPromData),
      library_(slot_) {
    standingIn = &read_;
    slot_ = &ReadImage;
}

ImageReadStandIn::~ImageReadStandIn() {
    slot_ = library_;
    standingIn = nullptr;
}
