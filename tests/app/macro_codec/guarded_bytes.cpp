#include "tests/app/macro_codec/guarded_bytes.h"

#include <windows.h>

#include <cstring>
#include <stdexcept>

namespace {

constexpr size_t kPage = 4096;

size_t RoundUpToPages(size_t size) { return (size + kPage - 1) / kPage * kPage; }

}  // namespace

GuardedBytes::GuardedBytes(const std::vector<uint8_t>& bytes) : size_(bytes.size()) {
    const size_t readable = RoundUpToPages(bytes.size() == 0 ? 1 : bytes.size());
    block_ = static_cast<uint8_t*>(VirtualAlloc(nullptr, readable + kPage, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    DWORD previous = 0;
    if (!block_ || !VirtualProtect(block_ + readable, kPage, PAGE_NOACCESS, &previous)) {
        throw std::runtime_error("no guard page");
    }
    uint8_t* start = block_ + readable - bytes.size();
    if (!bytes.empty()) std::memcpy(start, bytes.data(), bytes.size());
    data_ = start;
}

GuardedBytes::~GuardedBytes() { VirtualFree(block_, 0, MEM_RELEASE); }

HostileInputs::HostileInputs(uint32_t seed, std::vector<uint8_t> codes, size_t maxSize)
    : state_(seed), codes_(std::move(codes)), maxSize_(maxSize) {}

uint32_t HostileInputs::Random() {
    // xorshift32: the same inputs on every run.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

std::vector<uint8_t> HostileInputs::Next() {
    const size_t size = Random() % 4 == 0 ? Random() % (maxSize_ + 1) : Random() % 12;
    std::vector<uint8_t> bytes(size);
    for (uint8_t& byte : bytes) {
        byte = Random() % 2 == 0 ? codes_[Random() % codes_.size()] : static_cast<uint8_t>(Random());
    }
    return bytes;
}
