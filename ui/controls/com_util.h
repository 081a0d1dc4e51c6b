#pragma once

#include <windows.h>
#include <ole2.h>

namespace SkinUI {

// Releases an interface pointer and clears it.
template <class T>
void ReleaseInterface(T*& pointer)
{
    if (pointer != nullptr) {
        T* held = pointer;
        pointer = nullptr;
        held->Release();
    }
}

// Hands out `answer` through `out` with a new reference: E_POINTER for a
// null out pointer, E_NOINTERFACE (and a cleared out pointer) for none.
inline HRESULT AnswerInterface(void** out, IUnknown* answer)
{
    if (out == nullptr)
        return E_POINTER;
    *out = answer;
    if (answer == nullptr)
        return E_NOINTERFACE;
    answer->AddRef();
    return S_OK;
}

// Asks `object` for an interface into a typed pointer; null when absent.
template <class T>
T* QueryFor(IUnknown* object, REFIID iid)
{
    void* answer = nullptr;
    if (object == nullptr || FAILED(object->QueryInterface(iid, &answer)))
        return nullptr;
    return static_cast<T*>(answer);
}

// An export of a loaded library as a typed function pointer; null when absent.
template <class F>
F LoadExport(HMODULE module, const char* name)
{
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// The reference count of a hand-written COM object that deletes itself.
class CComRefCountUI {
public:
    ULONG AddRef() { return static_cast<ULONG>(InterlockedIncrement(&m_count)); }
    // The count after the release; 0 means the caller deletes the object.
    ULONG Release() { return static_cast<ULONG>(InterlockedDecrement(&m_count)); }

private:
    LONG m_count = 1;
};

}  // namespace SkinUI
