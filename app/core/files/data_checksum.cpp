#include "app/core/files/data_checksum.h"

uint8_t DataChecksum(const std::vector<uint8_t>& bytes) {
    uint8_t sum = 0;
    for (size_t i = 1; i < bytes.size(); ++i) sum = static_cast<uint8_t>(sum + bytes[i]);
    return static_cast<uint8_t>(sum ^ 0x5A);
}
