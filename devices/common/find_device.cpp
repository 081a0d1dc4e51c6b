#include "devices/common/find_device.h"

namespace hid {

namespace {
constexpr unsigned kInterfaceIndexes = 128;
constexpr uint16_t kFeatureReportLength = 8;
}  // namespace

bool FindDevice(DeviceHandles& handles, int vendorId, int productId, InputHandle inputHandle) {
    Platform& hid = platform();
    hid.close(handles.feature);
    handles.feature = INVALID_HANDLE_VALUE;

    const uint16_t wantedVendor = static_cast<uint16_t>(vendorId & 0xFFFF);
    const uint16_t wantedProduct = static_cast<uint16_t>(productId & 0xFFFF);
    std::unique_ptr<InterfaceList> list = hid.interfaces();
    for (unsigned index = 0; index < kInterfaceIndexes; ++index) {
        std::wstring path;
        const InterfaceLookup lookup = list->path(index, path);
        if (lookup == InterfaceLookup::DetailFailed) return false;
        if (lookup == InterfaceLookup::NoInterface) continue;

        HANDLE handle = hid.open(path);
        if (handle == INVALID_HANDLE_VALUE) continue;
        uint16_t vendor = 0, product = 0, featureLength = 0, inputLength = 0;
        hid.attributes(handle, vendor, product);
        hid.capabilities(handle, featureLength, inputLength);
        if (featureLength != kFeatureReportLength || vendor != wantedVendor || product != wantedProduct) {
            hid.close(handle);
            continue;
        }
        handles.feature = handle;
        if (inputHandle == InputHandle::Open) {
            HANDLE previous = handles.input;
            handles.input = hid.open(path);
            handles.inputLength = inputLength;
            hid.close(previous);
        }
        return true;
    }
    return false;
}

}  // namespace hid
