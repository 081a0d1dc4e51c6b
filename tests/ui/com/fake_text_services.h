#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/controls/com_guids.h"

namespace SkinUI {
namespace test {

// Text services that record what their host sends and keep a plain text.
class FakeTextServices : public ITextServices {
public:
    struct Message {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };

    // The factory the host is given; the newest services are `Last()`.
    static HRESULT WINAPI Create(IUnknown* outer, ITextHost* host, IUnknown** out);
    static FakeTextServices* Last();
    // Calls of every instance that still matter after it is gone.
    static std::vector<std::wstring>& Lifecycle();
    // The next Create fails with this when not S_OK.
    static HRESULT& CreateResult();

    explicit FakeTextServices(ITextHost* host);

    int Count(UINT message) const;
    // The last message of that kind; null when none came.
    const Message* Find(UINT message) const;

    ITextHost* host;
    std::vector<Message> messages;
    std::wstring text;
    HRESULT sendResult = S_FALSE;
    // Runs on every message before it is recorded as answered.
    std::function<void(const Message&)> onMessage;

    STDMETHOD(QueryInterface)(REFIID iid, void** out) override;
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;

    HRESULT TxSendMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    HRESULT TxDraw(DWORD aspect, LONG index, void* aspectInfo, DVTARGETDEVICE* device, HDC dc, HDC target,
                   LPCRECTL bounds, LPCRECTL windowBounds, LPRECT update, BOOL(CALLBACK* cont)(DWORD),
                   DWORD contInfo, LONG view) override;
    HRESULT TxGetHScroll(LONG*, LONG*, LONG*, LONG*, BOOL*) override { return E_NOTIMPL; }
    HRESULT TxGetVScroll(LONG*, LONG*, LONG*, LONG*, BOOL*) override { return E_NOTIMPL; }
    HRESULT OnTxSetCursor(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, HDC, LPCRECT, INT, INT) override;
    HRESULT TxQueryHitPoint(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, HDC, LPCRECT, INT, INT, DWORD*) override
    {
        return E_NOTIMPL;
    }
    HRESULT OnTxInPlaceActivate(LPCRECT client) override;
    HRESULT OnTxInPlaceDeactivate() override;
    HRESULT OnTxUIActivate() override { return S_OK; }
    HRESULT OnTxUIDeactivate() override { return S_OK; }
    HRESULT TxGetText(BSTR*) override { return E_NOTIMPL; }
    HRESULT TxSetText(LPCWSTR text) override;
    HRESULT TxGetCurTargetX(LONG*) override { return E_NOTIMPL; }
    HRESULT TxGetBaseLinePos(LONG*) override { return E_NOTIMPL; }
    HRESULT TxGetNaturalSize(DWORD, HDC, HDC, DVTARGETDEVICE*, DWORD, const SIZEL*, LONG*, LONG*) override
    {
        return E_NOTIMPL;
    }
    HRESULT TxGetDropTarget(IDropTarget**) override { return E_NOTIMPL; }
    HRESULT OnTxPropertyBitsChange(DWORD mask, DWORD bits) override;
    HRESULT TxGetCachedSize(DWORD*, DWORD*) override { return E_NOTIMPL; }

private:
    virtual ~FakeTextServices();

    LONG m_refs = 1;
};

}  // namespace test
}  // namespace SkinUI
