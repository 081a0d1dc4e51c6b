#pragma once
// The address window of the simulated Kelvo and Wenk controllers: a command
// opens it on the memory, clipped at the memory's end, and the data transfers
// after it walk through it byte by byte.

#include <algorithm>
#include <cstddef>

namespace hidsim {

class MemoryWindow {
public:
    void open(size_t address, size_t length, size_t memorySize) {
        address_ = std::min(address, memorySize);
        length_ = std::min(length, memorySize - address_);
        position_ = 0;
    }
    // The memory index of the next byte; false past the window's end (the
    // position advances either way).
    bool next(size_t& index) {
        index = address_ + position_;
        return position_++ < length_;
    }
    // Every byte of a window that was opened has been passed.
    bool complete() const { return length_ > 0 && position_ >= length_; }

private:
    size_t address_ = 0;
    size_t length_ = 0;
    size_t position_ = 0;
};

}  // namespace hidsim
