#include "tests/ui/com/fake_text_services.h"

#include <algorithm>

namespace SkinUI {
namespace test {

namespace {

FakeTextServices* g_last = nullptr;

}  // namespace

HRESULT WINAPI FakeTextServices::Create(IUnknown*, ITextHost* host, IUnknown** out)
{
    *out = nullptr;
    if (CreateResult() != S_OK)
        return CreateResult();
    g_last = new FakeTextServices(host);
    *out = g_last;
    return S_OK;
}

FakeTextServices* FakeTextServices::Last()
{
    return g_last;
}

std::vector<std::wstring>& FakeTextServices::Lifecycle()
{
    static std::vector<std::wstring> calls;
    return calls;
}

HRESULT& FakeTextServices::CreateResult()
{
    static HRESULT result = S_OK;
    return result;
}

FakeTextServices::FakeTextServices(ITextHost* textHost) : host(textHost) {}

FakeTextServices::~FakeTextServices()
{
    Lifecycle().push_back(L"destroyed");
    if (g_last == this)
        g_last = nullptr;
}

int FakeTextServices::Count(UINT message) const
{
    return static_cast<int>(std::count_if(messages.begin(), messages.end(),
                                          [message](const Message& m) { return m.message == message; }));
}

const FakeTextServices::Message* FakeTextServices::Find(UINT message) const
{
    for (auto it = messages.rbegin(); it != messages.rend(); ++it) {
        if (it->message == message)
            return &*it;
    }
    return nullptr;
}

STDMETHODIMP FakeTextServices::QueryInterface(REFIID iid, void** out)
{
    *out = nullptr;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_ITextServices))
        return E_NOINTERFACE;
    *out = this;
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) FakeTextServices::AddRef()
{
    return static_cast<ULONG>(++m_refs);
}

STDMETHODIMP_(ULONG) FakeTextServices::Release()
{
    LONG count = --m_refs;
    if (count == 0)
        delete this;
    return static_cast<ULONG>(count);
}

HRESULT FakeTextServices::TxSendMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const Message record = {message, wParam, lParam};
    messages.push_back(record);
    if (onMessage)
        onMessage(record);
    *result = 0;
    switch (message) {
    case EM_GETTEXTLENGTHEX:
        *result = static_cast<LRESULT>(text.size());
        return S_OK;
    case EM_GETTEXTEX: {
        const GETTEXTEX* request = reinterpret_cast<const GETTEXTEX*>(wParam);
        const size_t capacity = request->cb / sizeof(wchar_t);
        wchar_t* buffer = reinterpret_cast<wchar_t*>(lParam);
        const size_t copied = std::min(text.size(), capacity - 1);
        std::copy(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(copied), buffer);
        buffer[copied] = L'\0';
        *result = static_cast<LRESULT>(copied);
        return S_OK;
    }
    case EM_REPLACESEL:
        text = reinterpret_cast<const wchar_t*>(lParam);
        return S_OK;
    default:
        return sendResult;
    }
}

HRESULT FakeTextServices::TxDraw(DWORD, LONG, void*, DVTARGETDEVICE*, HDC dc, HDC, LPCRECTL bounds, LPCRECTL,
                                 LPRECT, BOOL(CALLBACK*)(DWORD), DWORD, LONG)
{
    Lifecycle().push_back(L"TxDraw");
    RECT area = {bounds->left, bounds->top, bounds->right, bounds->bottom};
    HBRUSH brush = CreateSolidBrush(RGB(0, 128, 0));
    FillRect(dc, &area, brush);
    DeleteObject(brush);
    return S_OK;
}

HRESULT FakeTextServices::OnTxSetCursor(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, HDC, LPCRECT, INT, INT)
{
    Lifecycle().push_back(L"OnTxSetCursor");
    return S_OK;
}

HRESULT FakeTextServices::OnTxInPlaceActivate(LPCRECT)
{
    Lifecycle().push_back(L"OnTxInPlaceActivate");
    return S_OK;
}

HRESULT FakeTextServices::OnTxInPlaceDeactivate()
{
    Lifecycle().push_back(L"OnTxInPlaceDeactivate");
    return S_OK;
}

HRESULT FakeTextServices::TxSetText(LPCWSTR newText)
{
    Lifecycle().push_back(std::wstring(L"TxSetText:") + newText);
    text = newText;
    return S_OK;
}

HRESULT FakeTextServices::OnTxPropertyBitsChange(DWORD mask, DWORD bits)
{
    Lifecycle().push_back(L"PropertyBits:" + std::to_wstring(mask) + L":" + std::to_wstring(bits));
    return S_OK;
}

}  // namespace test
}  // namespace SkinUI
