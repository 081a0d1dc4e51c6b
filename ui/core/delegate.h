#pragma once

#include <cstring>

#include "ui/core/ptr_array.h"

namespace SkinUI {

// A handler bound to its target: a member function taking one argument and
// returning bool. Handlers compare by target, kind and the function's bytes.
class CDelegateBase {
public:
    virtual ~CDelegateBase();
    virtual CDelegateBase* Copy() const = 0;
    virtual bool Invoke(void* param) = 0;
    bool Equals(const CDelegateBase& other) const;

protected:
    enum { MAX_FUNCTION_SIZE = 2 * sizeof(void*) };

    CDelegateBase(void* target, const void* function, size_t functionSize, const void* kind);
    CDelegateBase(const CDelegateBase& other);
    CDelegateBase& operator=(const CDelegateBase&) = delete;

    void* GetTarget() const { return m_target; }
    template <class Function>
    Function GetFunction() const
    {
        Function function;
        std::memcpy(&function, m_function, sizeof(function));
        return function;
    }

private:
    void* m_target;
    unsigned char m_function[MAX_FUNCTION_SIZE];
    size_t m_functionSize;
    const void* m_kind;
};

// Tells delegate classes apart: one address per instantiation.
template <class Tag>
const void* DelegateKindOf()
{
    static const char kind = 0;
    return &kind;
}

template <class T>
class CDelegate : public CDelegateBase {
public:
    typedef bool (T::*Function)(void* param);

    CDelegate(T* target, Function function)
        : CDelegateBase(target, &function, sizeof(function), DelegateKindOf<CDelegate>())
    {
        static_assert(sizeof(Function) <= MAX_FUNCTION_SIZE, "member function pointer too large");
    }
    CDelegateBase* Copy() const override { return new CDelegate(*this); }
    bool Invoke(void* param) override
    {
        return (static_cast<T*>(GetTarget())->*GetFunction<Function>())(param);
    }
};

// A handler that is a plain (static) function.
class CDelegateStatic : public CDelegateBase {
public:
    typedef bool (*Function)(void* param);

    explicit CDelegateStatic(Function function);
    CDelegateBase* Copy() const override;
    bool Invoke(void* param) override;
};

template <class T>
CDelegate<T> MakeDelegate(T* target, bool (T::*function)(void*))
{
    return CDelegate<T>(target, function);
}

inline CDelegateStatic MakeDelegate(bool (*function)(void*))
{
    return CDelegateStatic(function);
}

// Event source: owns copies of its delegates and calls them in order.
class CDelegateListUI {
public:
    CDelegateListUI() = default;
    CDelegateListUI(const CDelegateListUI&) = delete;
    CDelegateListUI& operator=(const CDelegateListUI&) = delete;
    ~CDelegateListUI();

    // A delegate equal to one already held is not added again.
    void AddDelegate(const CDelegateBase& delegate);
    bool HasDelegates() const { return !m_delegates.IsEmpty(); }
    // False as soon as one delegate answers false; true otherwise.
    bool Invoke(void* param);

private:
    CPtrArrayUI m_delegates;
};

}  // namespace SkinUI
