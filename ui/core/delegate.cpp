#include "ui/core/delegate.h"

namespace SkinUI {

CDelegateBase::CDelegateBase(void* target, const void* function, size_t functionSize,
                             const void* kind)
    : m_target(target), m_function(), m_functionSize(functionSize), m_kind(kind)
{
    std::memcpy(m_function, function, functionSize);
}

CDelegateBase::CDelegateBase(const CDelegateBase& other)
    : m_target(other.m_target), m_function(), m_functionSize(other.m_functionSize),
      m_kind(other.m_kind)
{
    std::memcpy(m_function, other.m_function, sizeof(m_function));
}

CDelegateBase::~CDelegateBase() = default;

bool CDelegateBase::Equals(const CDelegateBase& other) const
{
    return m_target == other.m_target && m_kind == other.m_kind &&
           m_functionSize == other.m_functionSize &&
           std::memcmp(m_function, other.m_function, m_functionSize) == 0;
}

CDelegateStatic::CDelegateStatic(Function function)
    : CDelegateBase(nullptr, &function, sizeof(function), DelegateKindOf<CDelegateStatic>())
{
}

CDelegateBase* CDelegateStatic::Copy() const
{
    return new CDelegateStatic(*this);
}

bool CDelegateStatic::Invoke(void* param)
{
    return GetFunction<Function>()(param);
}

CDelegateListUI::~CDelegateListUI()
{
    for (int i = 0; i < m_delegates.GetSize(); ++i)
        delete static_cast<CDelegateBase*>(m_delegates.ItemAt(i));
}

void CDelegateListUI::AddDelegate(const CDelegateBase& delegate)
{
    for (int i = 0; i < m_delegates.GetSize(); ++i) {
        const CDelegateBase* held = static_cast<const CDelegateBase*>(m_delegates.ItemAt(i));
        if (held && held->Equals(delegate))
            return;
    }
    CDelegateBase* copy = delegate.Copy();
    if (!m_delegates.Add(copy))
        delete copy;
}

bool CDelegateListUI::Invoke(void* param)
{
    for (int i = 0; i < m_delegates.GetSize(); ++i) {
        CDelegateBase* delegate = static_cast<CDelegateBase*>(m_delegates.ItemAt(i));
        if (delegate && !delegate->Invoke(param))
            return false;
    }
    return true;
}

}  // namespace SkinUI
