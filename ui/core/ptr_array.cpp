#include "ui/core/ptr_array.h"

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace SkinUI {

CPtrArrayUI::CPtrArrayUI(int initialCapacity) : m_items(nullptr), m_count(0), m_capacity(0)
{
    if (initialCapacity > 0) {
        m_items = static_cast<void**>(std::malloc(static_cast<size_t>(initialCapacity) * sizeof(void*)));
        if (m_items)
            m_capacity = initialCapacity;
    }
}

CPtrArrayUI::CPtrArrayUI(const CPtrArrayUI& other) : m_items(nullptr), m_count(0), m_capacity(0)
{
    for (int i = 0; i < other.m_count; ++i)
        Add(other.m_items[i]);
}

CPtrArrayUI& CPtrArrayUI::operator=(const CPtrArrayUI& other)
{
    if (this != &other) {
        Clear();
        for (int i = 0; i < other.m_count; ++i)
            Add(other.m_items[i]);
    }
    return *this;
}

CPtrArrayUI::~CPtrArrayUI()
{
    std::free(m_items);
}

void CPtrArrayUI::Clear()
{
    std::free(m_items);
    m_items = nullptr;
    m_count = 0;
    m_capacity = 0;
}

void CPtrArrayUI::Resize(int count)
{
    Clear();
    if (count <= 0)
        return;
    m_items = static_cast<void**>(std::calloc(static_cast<size_t>(count), sizeof(void*)));
    if (m_items) {
        m_count = count;
        m_capacity = count;
    }
}

bool CPtrArrayUI::Grow()
{
    if (m_count == INT_MAX)
        return false;
    ++m_count;
    if (m_count < m_capacity)
        return true;
    const bool fits = m_capacity <= INT_MAX / 2 &&
                      static_cast<size_t>(m_capacity) * 2 <= SIZE_MAX / sizeof(void*);
    const int capacity = m_capacity == 0 ? 11 : m_capacity * 2;
    void** items = fits ? static_cast<void**>(
                              std::realloc(m_items, static_cast<size_t>(capacity) * sizeof(void*)))
                        : nullptr;
    if (!items) {
        --m_count;
        return false;
    }
    m_items = items;
    m_capacity = capacity;
    return true;
}

bool CPtrArrayUI::Add(void* item)
{
    if (!Grow())
        return false;
    m_items[m_count - 1] = item;
    return true;
}

bool CPtrArrayUI::InsertAt(int index, void* item)
{
    if (index == m_count)
        return Add(item);
    if (index < 0 || index > m_count)
        return false;
    if (!Grow())
        return false;
    std::memmove(m_items + index + 1, m_items + index,
                 static_cast<size_t>(m_count - 1 - index) * sizeof(void*));
    m_items[index] = item;
    return true;
}

bool CPtrArrayUI::RemoveRange(int index, int count)
{
    if (index < 0 || count <= 0 || count > m_count - index)
        return false;
    std::memmove(m_items + index, m_items + index + count,
                 static_cast<size_t>(m_count - index - count) * sizeof(void*));
    m_count -= count;
    return true;
}

int CPtrArrayUI::Find(void* item) const
{
    for (int i = 0; i < m_count; ++i) {
        if (m_items[i] == item)
            return i;
    }
    return -1;
}

void* CPtrArrayUI::GetAt(int index) const
{
    return index >= 0 && index < m_count ? m_items[index] : nullptr;
}

}  // namespace SkinUI
