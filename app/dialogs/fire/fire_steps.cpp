#include "app/dialogs/fire/fire_steps.h"

namespace {

// The last Kelvo byte a step may use.
constexpr int kKelvoLastStepByte = kKelvoStepBytes - 2;

}  // namespace

KelvoStageSteps ParseKelvoSteps(const uint8_t* steps) {
    KelvoStageSteps found;
    int i = 0;
    while (i < kKelvoStepBytes) {
        const uint8_t code = steps[i];
        const bool valueFits = i + 1 <= kKelvoLastStepByte;
        switch (code) {
        case 0xFA:
            if (valueFits) {
                found.y = static_cast<int8_t>(steps[i + 1]);
                found.yPos = i + 1;
            }
            i += 2;
            break;
        case 0xFB:
        case 0xFC:
            i += 2;
            break;
        case 0xFD:
            if (valueFits) {
                found.count = steps[i + 1] + 1;
                found.countPos = i + 1;
            }
            i += 4;
            break;
        case 0xFE:
            if (valueFits) {
                found.delay = steps[i + 1] * 8;
                found.delayPos = i + 1;
            }
            i += 2;
            break;
        default:
            i += 1;
            break;
        }
    }
    return found;
}

NolxStageSteps ParseNolxSteps(const uint8_t* steps, int length) {
    NolxStageSteps found;
    bool armed = false;
    int i = 0;
    while (i < length) {
        switch (steps[i]) {
        case 0x04:
            if (i + 2 < length) {
                found.x = static_cast<int8_t>(steps[i + 1]);
                found.y = static_cast<int8_t>(steps[i + 2]);
                found.xPos = i + 1;
                found.yPos = i + 2;
                armed = true;
            }
            i += 3;
            break;
        case 0xFD:
            if (i + 1 < length) {
                found.count = steps[i + 1];
                found.countPos = i + 1;
            }
            i += 2;
            break;
        case 0xFE:
            if (armed && i + 2 < length) {
                found.time = steps[i + 1] * 256 + steps[i + 2];
                found.timePos = i + 1;
                armed = false;
            }
            i += 3;
            break;
        default:
            i += 1;
            break;
        }
    }
    return found;
}

void StoreKelvoSteps(uint8_t* steps, const KelvoStageSteps& at, int count, int y, int delay, bool stop) {
    if (at.yPos >= 0) steps[at.yPos] = static_cast<uint8_t>(y);
    if (at.countPos >= 0) steps[at.countPos] = static_cast<uint8_t>(count - 1);
    if (at.delayPos >= 0) steps[at.delayPos] = static_cast<uint8_t>(delay / 8);
    steps[0] = stop ? 1 : 0;
}

void StoreNolxSteps(uint8_t* steps, const NolxStageSteps& at, int count, int x, int y, int time) {
    if (at.yPos >= 0) steps[at.yPos] = static_cast<uint8_t>(y);
    if (at.xPos >= 0) steps[at.xPos] = static_cast<uint8_t>(x);
    if (at.countPos >= 0) steps[at.countPos] = static_cast<uint8_t>(count);
    if (at.timePos >= 0) {
        steps[at.timePos] = static_cast<uint8_t>(time >> 8);
        steps[at.timePos + 1] = static_cast<uint8_t>(time);
    }
}
