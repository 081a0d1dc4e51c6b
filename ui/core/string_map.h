#pragma once

#include <cstdint>

#include "ui/core/ui_string.h"

namespace SkinUI {

// The hash of a map key: h = h * 33 + c, from the last character to the first.
uint32_t HashKeyText(const wchar_t* text);

// Hash map from case-sensitive text keys to untyped pointers. Keys are owned
// by the map, values are not. Lookups answer null for a missing key. The
// bucket array is made by the first insertion: most maps (the custom
// attributes of every control) never hold an entry.
class CStringMapUI {
public:
    // At least 16 buckets.
    explicit CStringMapUI(int bucketCount = 83);
    CStringMapUI(const CStringMapUI&) = delete;
    CStringMapUI& operator=(const CStringMapUI&) = delete;
    ~CStringMapUI();

    // With moveToFront, a found entry moves to the front of its bucket.
    void* Find(const wchar_t* key, bool moveToFront = false);
    // False when the key is present or there are no buckets.
    bool Insert(const wchar_t* key, void* value);
    // Returns the replaced value, or null for a new key; with no buckets
    // nothing is stored and the given value is returned.
    void* Set(const wchar_t* key, void* value);
    bool Remove(const wchar_t* key);

    int GetSize() const { return m_count; }
    int GetBucketCount() const { return m_bucketCount; }
    // The key of the n-th entry in iteration order (last bucket first, each
    // bucket front to back), or null.
    const wchar_t* GetKeyAt(int index) const;
    // Calls visit(key, value) for every entry, in iteration order, in one
    // pass; the visit must not change the map.
    template <typename Visit>
    void ForEach(Visit visit) const
    {
        int left = m_count;
        for (int b = m_bucketCount - 1; b >= 0 && left > 0; --b)
            for (const Entry* entry = m_buckets[b]; entry; entry = entry->next, --left)
                visit(entry->key.GetData(), entry->value);
    }

    // Frees every entry and makes `bucketCount` empty buckets (none below 0).
    void Resize(int bucketCount);
    void RemoveAll();

private:
    struct Entry {
        CUIString key;
        void* value;
        Entry* prev;
        Entry* next;
    };

    Entry* FindEntry(const wchar_t* key, Entry*** bucket) const;
    // False when there are no buckets or the array cannot be made.
    bool MakeBuckets();
    void Unlink(Entry* entry, Entry** bucket);
    void FreeAll();

    Entry** m_buckets;
    int m_bucketCount;
    int m_count;
};

}  // namespace SkinUI
