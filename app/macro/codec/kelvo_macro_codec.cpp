#include "app/macro/codec/kelvo_macro_codec.h"

#include "app/core/files/data_checksum.h"
#include "app/macro/codec/step_bytes.h"

#include <algorithm>

namespace {

constexpr uint8_t kLoopCode = 0xFD;
constexpr uint8_t kEndlessLoop = 0xFF;
constexpr uint8_t kEndCode = 0xFC;
// Play byte, one length byte, the loop step, the end marker and the checksum.
constexpr size_t kKelvoFrameBytes = 6;
constexpr size_t kStepBudget = kKelvoMacroDataLimit - kKelvoFrameBytes;

size_t LengthBytes(KelvoVariant variant) { return variant == KelvoVariant::Driver ? 2 : 1; }

// The bytes of the step at row `at`; every Kelvo step is one row.
std::vector<uint8_t> StepAt(const MacroSteps& steps, size_t at, size_t* rows) {
    using step_bytes::LowByte;
    const MacroStep& step = steps[at];
    *rows = 1;
    switch (step.type) {
        case KelvoStep::ModifierUp:
        case KelvoStep::ModifierDown:
        case KelvoStep::KeyUp:
        case KelvoStep::KeyDown:
            return {LowByte(step.type), LowByte(step.value)};
        case KelvoStep::MoveX:
        case KelvoStep::MoveY:
            return {LowByte(step.type), step_bytes::MoveByte(step.value)};
        case KelvoStep::Delay:
            return {LowByte(step.type), static_cast<uint8_t>(std::clamp(step.value, 0, kKelvoMaxDelayMs) / 8)};
        default:
            if (IsMouseButtonEvent(step.type)) return {LowByte(step.type)};
            return {};
    }
}

// The position behind the data's last byte that the decoder reads.
size_t DecodeEnd(KelvoVariant variant, ByteView data) {
    const size_t lengthBytes = LengthBytes(variant);
    if (data.size < 1 + lengthBytes) return 0;
    size_t length = data.data[1];
    if (variant == KelvoVariant::Driver) length = length << 8 | data.data[2];
    return std::min(length + 1, data.size);
}

}  // namespace

std::vector<uint8_t> EncodeKelvoMacro(KelvoVariant variant, const MacroSteps& steps, const KelvoMacroSettings& settings) {
    std::vector<uint8_t> data;
    data.push_back(settings.playMode == 0 ? 1 : 0);
    data.resize(1 + LengthBytes(variant), 0);
    data.push_back(kLoopCode);
    const int count = std::clamp(settings.loop.repeatCount, 1, kKelvoMaxRepeatCount);
    data.push_back(settings.loop.mode == 1 ? kEndlessLoop : static_cast<uint8_t>(count - 1));
    step_bytes::AppendWholeSteps(data, steps, data.size() + kStepBudget, StepAt);
    data.push_back(kEndCode);
    const size_t length = data.size() - 1 - LengthBytes(variant) + 1;  // through the checksum
    if (variant == KelvoVariant::Driver) {
        data[1] = static_cast<uint8_t>(length >> 8);
        data[2] = static_cast<uint8_t>(length & 0xFF);
    } else {
        data[1] = static_cast<uint8_t>(length);
    }
    data.push_back(DataChecksum(data));
    return data;
}

KelvoDecodedMacro DecodeKelvoMacro(KelvoVariant variant, ByteView data) {
    KelvoDecodedMacro decoded;
    if (data.size == 0) return decoded;
    decoded.playMode = data.data[0] == 1 ? 0 : 1;
    const size_t end = DecodeEnd(variant, data);
    for (size_t at = 1 + LengthBytes(variant); at < end;) {
        const int code = data.data[at];
        if (IsMouseButtonEvent(code)) {
            decoded.steps.push_back({code, code});
            ++at;
            continue;
        }
        switch (code) {
            case KelvoStep::ModifierUp:
            case KelvoStep::ModifierDown:
            case KelvoStep::KeyUp:
            case KelvoStep::KeyDown:
            case KelvoStep::MoveX:
            case KelvoStep::MoveY:
            case KelvoStep::Delay:
            case kLoopCode:
                break;
            default:
                ++at;
                continue;
        }
        if (at + 1 >= data.size) break;
        const uint8_t operand = data.data[at + 1];
        at += 2;
        if (code == kLoopCode) {
            decoded.loop = operand == kEndlessLoop ? KelvoLoop{1, 1} : KelvoLoop{0, operand + 1};
        } else if (code == KelvoStep::MoveX || code == KelvoStep::MoveY) {
            decoded.steps.push_back({code, step_bytes::SignedFromByte(operand)});
        } else if (code == KelvoStep::Delay) {
            decoded.steps.push_back({code, operand * 8});
        } else {
            decoded.steps.push_back({code, operand});
        }
    }
    return decoded;
}

bool KelvoHasRoomFor(const MacroSteps& steps, size_t at, const MacroSteps& added) {
    return step_bytes::StepsSize(WithStepsInserted(steps, at, added), StepAt) <= kStepBudget;
}
