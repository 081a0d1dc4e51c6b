#pragma once

namespace SkinUI {

// Growable array of untyped pointers; never owns what the items point to.
// Growth doubles the capacity (from 11), keeping one spare slot after it.
class CPtrArrayUI {
public:
    explicit CPtrArrayUI(int initialCapacity = 0);
    CPtrArrayUI(const CPtrArrayUI& other);
    CPtrArrayUI& operator=(const CPtrArrayUI& other);
    ~CPtrArrayUI();

    void Clear();
    // Frees the storage and makes `count` null items.
    void Resize(int count);

    bool IsEmpty() const { return m_count == 0; }
    int GetSize() const { return m_count; }
    int GetCapacity() const { return m_capacity; }

    // False when growing fails (the array is unchanged).
    bool Add(void* item);
    // An index equal to the size appends; outside 0..size gives false.
    bool InsertAt(int index, void* item);
    bool RemoveRange(int index, int count);

    int Find(void* item) const;
    // Null for an index out of range.
    void* GetAt(int index) const;
    // The caller keeps the index in range.
    void* ItemAt(int index) const { return m_items[index]; }
    void** GetData() const { return m_items; }

private:
    bool Grow();

    void** m_items;
    int m_count;
    int m_capacity;
};

}  // namespace SkinUI
