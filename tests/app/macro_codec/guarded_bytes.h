#pragma once
// Bytes that end right before a page the process may not touch: a reader
// that goes one byte past them crashes the test instead of reading garbage.

#include <cstddef>
#include <cstdint>
#include <vector>

class GuardedBytes {
public:
    explicit GuardedBytes(const std::vector<uint8_t>& bytes);
    ~GuardedBytes();
    GuardedBytes(const GuardedBytes&) = delete;
    GuardedBytes& operator=(const GuardedBytes&) = delete;

    const uint8_t* data() const { return data_; }
    size_t size() const { return size_; }

private:
    uint8_t* block_ = nullptr;
    const uint8_t* data_ = nullptr;
    size_t size_ = 0;
};

// A fixed-seed generator of hostile inputs: random bytes, mostly short,
// salted with the codes the decoders know.
class HostileInputs {
public:
    explicit HostileInputs(uint32_t seed, std::vector<uint8_t> codes, size_t maxSize);
    std::vector<uint8_t> Next();

private:
    uint32_t state_;
    std::vector<uint8_t> codes_;
    size_t maxSize_;
    uint32_t Random();
};
