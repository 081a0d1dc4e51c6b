#pragma once
// The device object of a Nolx-family library: the controller's handles, the
// image buffer and working copies, and every operation behind the exports.
// Operations return an internal status (negative = failure).

#include "devices/nolx/change_listener.h"
#include "devices/nolx/config_image.h"
#include "devices/nolx/macro_area.h"
#include "devices/nolx/status.h"
#include "devices/nolx/transport.h"

#include <memory>

namespace nolx {

class McuDevice {
public:
    explicit McuDevice(const Chip& chip);
    ~McuDevice();
    McuDevice(const McuDevice&) = delete;
    McuDevice& operator=(const McuDevice&) = delete;

    const Chip& chip() const { return chip_; }
    Transport& transport() { return transport_; }
    MemoryKind memoryKind() const { return memoryKind_; }

    // Discovery and status query; a second call replaces the handles.
    HRESULT init(int vendorId, int productId, int flag);
    // Whole-image read into the working copies (Dolv: then starts its reader).
    HRESULT readDeviceData();
    HRESULT queryMemoryKind();
    HRESULT commit();

    // Field getters answer from the working copies.
    HRESULT getVendorId(int* out) const;
    HRESULT getProductId(int* out) const;
    HRESULT getCpiLevelCount(int* out) const;
    HRESULT getCurrentGear(int* out) const;
    HRESULT getCpiValue(int level, int* out) const;
    HRESULT getCpiColour(int level, uint8_t* r, uint8_t* g, uint8_t* b) const;
    HRESULT getUserColour(int index, uint8_t* r, uint8_t* g, uint8_t* b) const;
    HRESULT getProductString(char* out) const;
    HRESULT getReportRate(int* out) const;
    HRESULT getSensorRotation(int* out) const;
    HRESULT getBreathMode(int* out) const;
    // Mesk answers only the rate; on may then be null.
    HRESULT getLedBreath(int* rate, int* on) const;
    HRESULT getKeyMode(int* out) const;
    HRESULT getMacroKey(int table, int index, uint8_t* b0, uint8_t* b1, uint8_t* b2, uint8_t* b3) const;
    HRESULT getComboKey(int index, uint8_t* b0, uint8_t* b1, uint8_t* b2, uint8_t* b3) const;

    // Field setters store the value and write the changed bytes at once.
    HRESULT setVendorId(int vendorId);
    HRESULT setProductId(int productId);
    HRESULT setCpiLevelCount(int count);
    HRESULT setCurrentGear(int gear);
    HRESULT setCpiValue(int level, int step);
    HRESULT setCpiColour(int level, int r, int g, int b);
    HRESULT setUserColour(int index, int r, int g, int b);
    HRESULT setProductString(const char* text);
    HRESULT setReportRate(int code);
    HRESULT setSensorRotation(int degrees);
    HRESULT setBreathMode(int mode);
    // Mesk ignores on.
    HRESULT setLedBreath(int rate, int on);
    HRESULT setKeyMode(int mode);
    HRESULT setMacroKey(int table, int index, int b0, int b1, int b2, int b3);
    HRESULT setComboKey(int index, int b0, int b1, int b2, int b3);

    // Macros, fire keys and fire macros.
    HRESULT getMacro(int index, uint8_t* header, uint8_t* data, int* address, int* length) const;
    // index -1 appends, a valid index removes that macro.
    HRESULT setMacro(int index, const uint8_t* header, const uint8_t* data, int length);
    HRESULT getFireKey(int key, int* code, int* value) const;
    HRESULT setFireKey(int key, int code, int value);
    HRESULT getFireMacro(int index, uint8_t* record, int* first, int* second, int* r, int* g, int* b) const;
    HRESULT setFireMacro(int index, const uint8_t* record, int first, int second, int r, int g, int b);
    const MacroList& macros() const { return macros_; }

    // Whole-image transfers and change data.
    HRESULT getDeviceData(uint8_t* buffer, int length);
    HRESULT saveConfiguration(uint8_t* image);
    HRESULT writeConfiguration(const uint8_t* image);
    HRESULT importPatchCode(const uint8_t* buffer);
    HRESULT importBaseMacro(const uint8_t* area);
    HRESULT exportBaseMacro(uint8_t* area) const;
    HRESULT getDataByAddress(int* out, int address);
    HRESULT getChangeData(int* out);
    HRESULT setChangeCallback(ChangeCallback callback, void* user);

    // The reader thread of a chip that runs one, else null.
    const ChangeListener* changeListener() const { return listener_.get(); }

private:
    HRESULT readAllConfiguration();
    HRESULT writeMainBlock();
    HRESULT writeBlock164();
    HRESULT writeMacroArea();
    // Re-reads block 164 and makes the controller reload its key assignments.
    HRESULT reloadKeyAssignments();
    // The key mode (164) and the level (166) change on the mouse's own
    // buttons: a write that sends them takes them from the mouse first. A
    // read that fails or a damaged answer keeps the copy; neither decides
    // the write's result.
    void takeMouseOwnBytes(uint8_t keyMode, uint8_t gear);
    // Block 164 whole, for a write that sends it whole: taken when sealed.
    void readMouseOwnBlock164();
    // One data report from 164, taken when it fits the copy.
    void readMouseOwnBytes();
    bool validKeyTable(int table, int index) const;
    bool validFireMacro(int index) const;

    const Chip& chip_;
    Transport transport_;
    std::vector<uint8_t> image_;
    WorkingCopies copies_;
    FieldValues values_;
    MacroList macros_;
    MemoryKind memoryKind_ = MemoryKind::I2C;
    int initFlag_ = 0;
    std::unique_ptr<ChangeListener> listener_;
};

}  // namespace nolx
