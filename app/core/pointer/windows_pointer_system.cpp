// The pointer settings of the running Windows session.
#include "app/core/pointer/pointer_settings.h"

namespace {

constexpr DWORD kTextBufferCharacters = 256;

class RegistryKey {
public:
    RegistryKey(const wchar_t* path, REGSAM access) {
        if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, access, &key_) != ERROR_SUCCESS) key_ = nullptr;
    }
    ~RegistryKey() {
        if (key_) RegCloseKey(key_);
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

class WindowsPointer : public PointerSystem {
public:
    bool GetMouse(int values[3]) override { return SystemParametersInfoW(SPI_GETMOUSE, 0, values, 0) != FALSE; }

    bool GetMouseSpeed(int* speed) override {
        return SystemParametersInfoW(SPI_GETMOUSESPEED, 0, speed, 0) != FALSE;
    }

    TextRead ReadText(const wchar_t* key, const wchar_t* value, std::wstring* text) override {
        const RegistryKey opened(key, KEY_QUERY_VALUE);
        if (!opened.get()) return TextRead::NoKey;
        wchar_t buffer[kTextBufferCharacters + 1] = {};
        DWORD type = 0;
        DWORD size = kTextBufferCharacters * sizeof(wchar_t);
        if (RegQueryValueExW(opened.get(), value, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) !=
                ERROR_SUCCESS ||
            (type != REG_SZ && type != REG_EXPAND_SZ)) {
            return TextRead::NoValue;
        }
        text->assign(buffer);
        return TextRead::Read;
    }

    bool WriteTexts(const wchar_t* key, const NamedTexts& values) override {
        const RegistryKey opened(key, KEY_SET_VALUE);
        if (!opened.get()) return false;
        for (const auto& [name, text] : values) {
            const DWORD size = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
            RegSetValueExW(opened.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), size);
        }
        return true;
    }

    // Windows takes the speed from pvParam, Wine from uiParam; each ignores the other.
    void SetMouseSpeed(int speed) override {
        SystemParametersInfoW(SPI_SETMOUSESPEED, static_cast<UINT>(speed),
                              reinterpret_cast<void*>(static_cast<INT_PTR>(speed)), SPIF_SENDCHANGE);
    }

    void SetMouse(const int values[3]) override {
        int copy[3] = {values[0], values[1], values[2]};
        SystemParametersInfoW(SPI_SETMOUSE, 0, copy, SPIF_SENDCHANGE);
    }

    void SetDoubleClickTime(int milliseconds) override {
        SystemParametersInfoW(SPI_SETDOUBLECLICKTIME, static_cast<UINT>(milliseconds), nullptr, SPIF_SENDCHANGE);
    }

    void SetWheelScrollLines(int lines) override {
        SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, static_cast<UINT>(lines), nullptr, SPIF_UPDATEINIFILE);
    }
};

}  // namespace

PointerSystem& WindowsPointerSystem() {
    static WindowsPointer system;
    return system;
}
