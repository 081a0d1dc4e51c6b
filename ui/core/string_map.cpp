#include "ui/core/string_map.h"

#include <cstdlib>
#include <cwchar>

namespace SkinUI {

uint32_t HashKeyText(const wchar_t* text)
{
    uint32_t hash = 0;
    if (!text)
        return hash;
    for (size_t i = std::wcslen(text); i > 0; --i)
        hash = hash * 33 + static_cast<uint16_t>(text[i - 1]);
    return hash;
}

CStringMapUI::CStringMapUI(int bucketCount) : m_buckets(nullptr), m_bucketCount(0), m_count(0)
{
    Resize(bucketCount < 16 ? 16 : bucketCount);
}

CStringMapUI::~CStringMapUI()
{
    FreeAll();
}

CStringMapUI::Entry* CStringMapUI::FindEntry(const wchar_t* key, Entry*** bucket) const
{
    if (!m_buckets)
        return nullptr;
    Entry** head = &m_buckets[HashKeyText(key) % static_cast<uint32_t>(m_bucketCount)];
    if (bucket)
        *bucket = head;
    for (Entry* entry = *head; entry; entry = entry->next) {
        if (entry->key == (key ? key : L""))
            return entry;
    }
    return nullptr;
}

void CStringMapUI::Unlink(Entry* entry, Entry** bucket)
{
    if (entry->prev)
        entry->prev->next = entry->next;
    else
        *bucket = entry->next;
    if (entry->next)
        entry->next->prev = entry->prev;
    entry->prev = nullptr;
    entry->next = nullptr;
}

void* CStringMapUI::Find(const wchar_t* key, bool moveToFront)
{
    if (m_count == 0)
        return nullptr;
    Entry** bucket = nullptr;
    Entry* entry = FindEntry(key, &bucket);
    if (!entry)
        return nullptr;
    if (moveToFront && entry != *bucket) {
        Unlink(entry, bucket);
        entry->next = *bucket;
        (*bucket)->prev = entry;
        *bucket = entry;
    }
    return entry->value;
}

bool CStringMapUI::MakeBuckets()
{
    if (!m_buckets && m_bucketCount > 0)
        m_buckets = static_cast<Entry**>(std::calloc(static_cast<size_t>(m_bucketCount), sizeof(Entry*)));
    return m_buckets != nullptr;
}

bool CStringMapUI::Insert(const wchar_t* key, void* value)
{
    if (Find(key, true) || !MakeBuckets())
        return false;
    Entry** bucket = &m_buckets[HashKeyText(key) % static_cast<uint32_t>(m_bucketCount)];
    Entry* entry = new Entry{CUIString(key), value, nullptr, *bucket};
    if (*bucket)
        (*bucket)->prev = entry;
    *bucket = entry;
    ++m_count;
    return true;
}

void* CStringMapUI::Set(const wchar_t* key, void* value)
{
    if (!MakeBuckets())
        return value;
    Entry* entry = FindEntry(key, nullptr);
    if (entry) {
        void* old = entry->value;
        entry->value = value;
        return old;
    }
    Insert(key, value);
    return nullptr;
}

bool CStringMapUI::Remove(const wchar_t* key)
{
    Entry** bucket = nullptr;
    Entry* entry = FindEntry(key, &bucket);
    if (!entry)
        return false;
    Unlink(entry, bucket);
    delete entry;
    --m_count;
    return true;
}

const wchar_t* CStringMapUI::GetKeyAt(int index) const
{
    if (index < 0 || index >= m_count)
        return nullptr;
    int seen = 0;
    for (int b = m_bucketCount - 1; b >= 0; --b) {
        for (const Entry* entry = m_buckets[b]; entry; entry = entry->next) {
            if (seen++ == index)
                return entry->key.GetData();
        }
    }
    return nullptr;
}

void CStringMapUI::FreeAll()
{
    for (int b = 0; m_buckets && b < m_bucketCount; ++b) {
        Entry* entry = m_buckets[b];
        while (entry) {
            Entry* next = entry->next;
            delete entry;
            entry = next;
        }
    }
    std::free(m_buckets);
    m_buckets = nullptr;
    m_count = 0;
}

void CStringMapUI::Resize(int bucketCount)
{
    FreeAll();
    m_bucketCount = bucketCount > 0 ? bucketCount : 0;
}

void CStringMapUI::RemoveAll()
{
    Resize(m_bucketCount);
}

}  // namespace SkinUI
