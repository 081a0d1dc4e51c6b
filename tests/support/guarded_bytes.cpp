#include "tests/support/guarded_bytes.h"

#include <windows.h>

#include <cstring>
#include <stdexcept>

namespace hostile {

namespace {

constexpr size_t kPage = 4096;

size_t RoundUpToPages(size_t size) { return (size + kPage - 1) / kPage * kPage; }

}  // namespace

GuardedBytes::GuardedBytes(const void* bytes, size_t size) : size_(size) {
    const size_t readable = RoundUpToPages(size == 0 ? 1 : size);
    block_ = static_cast<uint8_t*>(VirtualAlloc(nullptr, readable + kPage, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    DWORD previous = 0;
    if (!block_ || !VirtualProtect(block_ + readable, kPage, PAGE_NOACCESS, &previous)) {
        throw std::runtime_error("no guard page");
    }
    uint8_t* start = block_ + readable - size;
    if (size > 0) std::memcpy(start, bytes, size);
    data_ = start;
}

GuardedBytes::~GuardedBytes() { VirtualFree(block_, 0, MEM_RELEASE); }

}  // namespace hostile
