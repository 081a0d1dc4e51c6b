// The platform of the delivered libraries: SetupAPI and hid.dll.
#include "devices/common/hid_platform.h"

// mingw-w64's HID headers declare C functions without C linkage of their own.
extern "C" {
#include <hidsdi.h>
}
#include <setupapi.h>

#include <vector>

namespace hid {

namespace {

class Win32InterfaceList : public InterfaceList {
public:
    Win32InterfaceList() {
        HidD_GetHidGuid(&guid_);
        set_ = SetupDiGetClassDevsW(&guid_, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    }
    ~Win32InterfaceList() override {
        if (set_ != INVALID_HANDLE_VALUE) SetupDiDestroyDeviceInfoList(set_);
    }

    InterfaceLookup path(unsigned index, std::wstring& path) override {
        SP_DEVICE_INTERFACE_DATA record{};
        record.cbSize = sizeof(record);
        if (!SetupDiEnumDeviceInterfaces(set_, nullptr, &guid_, index, &record)) return InterfaceLookup::NoInterface;
        DWORD required = 0;
        SetupDiGetDeviceInterfaceDetailW(set_, &record, nullptr, 0, &required, nullptr);
        if (required < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) return InterfaceLookup::NoInterface;
        std::vector<unsigned char> buffer(required);
        auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(buffer.data());
        detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
        if (!SetupDiGetDeviceInterfaceDetailW(set_, &record, detail, required, &required, nullptr)) {
            return InterfaceLookup::DetailFailed;
        }
        path = detail->DevicePath;
        return InterfaceLookup::Found;
    }

private:
    GUID guid_{};
    HDEVINFO set_ = INVALID_HANDLE_VALUE;
};

class Win32Platform : public Platform {
public:
    std::unique_ptr<InterfaceList> interfaces() override { return std::make_unique<Win32InterfaceList>(); }

    HANDLE open(const std::wstring& path) override {
        return CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    }

    void close(HANDLE handle) override {
        if (handle != nullptr && handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    }

    bool attributes(HANDLE handle, uint16_t& vendorId, uint16_t& productId) override {
        HIDD_ATTRIBUTES attributes{};
        attributes.Size = sizeof(attributes);
        const bool ok = HidD_GetAttributes(handle, &attributes);
        vendorId = attributes.VendorID;
        productId = attributes.ProductID;
        return ok;
    }

    bool capabilities(HANDLE handle, uint16_t& featureLength, uint16_t& inputLength) override {
        PHIDP_PREPARSED_DATA preparsed = nullptr;
        HIDP_CAPS caps{};
        bool ok = HidD_GetPreparsedData(handle, &preparsed);
        if (ok) {
            ok = HidP_GetCaps(preparsed, &caps) == HIDP_STATUS_SUCCESS;
            HidD_FreePreparsedData(preparsed);
        }
        featureLength = caps.FeatureReportByteLength;
        inputLength = caps.InputReportByteLength;
        return ok;
    }

    bool setFeature(HANDLE handle, const uint8_t* report, size_t length) override {
        return HidD_SetFeature(handle, const_cast<uint8_t*>(report), static_cast<ULONG>(length));
    }

    bool getFeature(HANDLE handle, uint8_t* report, size_t length) override {
        return HidD_GetFeature(handle, report, static_cast<ULONG>(length));
    }

    bool readInput(HANDLE handle, uint8_t* report, size_t length) override {
        DWORD read = 0;
        return ReadFile(handle, report, static_cast<DWORD>(length), &read, nullptr) && read > 0;
    }

    bool cancelInputRead(HANDLE thread) override { return CancelSynchronousIo(thread) != FALSE; }

    void sleepMs(unsigned milliseconds) override { Sleep(milliseconds); }
};

}  // namespace

Platform& platform() {
    static Win32Platform instance;
    return instance;
}

}  // namespace hid
