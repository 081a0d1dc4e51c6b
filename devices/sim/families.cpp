#include "devices/sim/families.h"

#include "devices/sim/kelvo_firmware.h"
#include "devices/sim/nolx_firmware.h"
#include "devices/sim/wenk_firmware.h"

namespace hidsim {

const std::vector<Family>& families() {
    static const std::vector<Family> table = {
        {"qiro", &qiro},
        {"dolv", &dolv},
        {"mesk", &mesk},
        {"kelvo", makeKelvoDevice},
        {"wenk", makeWenkDevice},
    };
    return table;
}

std::shared_ptr<Device> makeDevice(const std::string& family) {
    for (const Family& entry : families()) {
        if (family == entry.name) return entry.make();
    }
    return nullptr;
}

}  // namespace hidsim
