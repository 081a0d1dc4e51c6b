#pragma once
// Bytes that end right before a page the process may not touch: a reader or
// writer that goes one byte past them crashes the test instead of reading
// garbage or overwriting a neighbour.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace hostile {

class GuardedBytes {
public:
    GuardedBytes(const void* bytes, size_t size);
    // A zeroed buffer of the size, to be written into.
    explicit GuardedBytes(size_t size) : GuardedBytes(std::vector<uint8_t>(size)) {}
    explicit GuardedBytes(const std::vector<uint8_t>& bytes) : GuardedBytes(bytes.data(), bytes.size()) {}
    // The text and its terminating zero, which is the last readable unit.
    explicit GuardedBytes(const std::wstring& text)
        : GuardedBytes(text.c_str(), (text.size() + 1) * sizeof(wchar_t)) {}
    ~GuardedBytes();
    GuardedBytes(const GuardedBytes&) = delete;
    GuardedBytes& operator=(const GuardedBytes&) = delete;

    const uint8_t* data() const { return data_; }
    uint8_t* data() { return data_; }
    size_t size() const { return size_; }
    const wchar_t* text() const { return reinterpret_cast<const wchar_t*>(data_); }

private:
    uint8_t* block_ = nullptr;
    uint8_t* data_ = nullptr;
    size_t size_ = 0;
};

}  // namespace hostile
