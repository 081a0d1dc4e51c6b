#include "app/dialogs/fire/fire_limits.h"

namespace {

bool Replace(int* replacement, int value) {
    *replacement = value;
    return true;
}

// A move value and its adjustment never pass 127 together.
bool BreaksMove(int value, int adjustment, int* replacement) {
    if (value < -128) return Replace(replacement, -128);
    if (value > 127) return Replace(replacement, 127);
    if (value + adjustment > 127) return Replace(replacement, 127 - adjustment);
    return false;
}

bool BreaksAdjustment(int adjustment, int value, int* replacement) {
    if (adjustment > 127) return Replace(replacement, 127);
    if (adjustment + value > 127) return Replace(replacement, 127 - value);
    return false;
}

}  // namespace

bool BreaksFireLimit(StageControl edit, int value, int partner, int* replacement) {
    switch (edit) {
    case StageControl::KelvoCount:
        return value > 256 && Replace(replacement, 256);
    case StageControl::KelvoY:
        if (value > 127) return Replace(replacement, 127);
        return value + partner > 127 && Replace(replacement, 127 - partner);
    case StageControl::KelvoOffset:
        return BreaksAdjustment(value, partner, replacement);
    case StageControl::KelvoDelay:
        return value > 2040 && Replace(replacement, 2040);
    case StageControl::NolxCount:
        return value > 255 && Replace(replacement, 255);
    case StageControl::NolxX:
    case StageControl::NolxY:
        return BreaksMove(value, partner, replacement);
    case StageControl::NolxXAdjust:
    case StageControl::NolxYAdjust:
        return BreaksAdjustment(value, partner, replacement);
    case StageControl::NolxTime:
        if (value < 1) return Replace(replacement, 1);
        return value > 65534 && Replace(replacement, 65534);
    case StageControl::KelvoStop:
    case StageControl::Colour:
        return false;
    }
    return false;
}
