#include "app/macro/codec/keyboard_macro_codec.h"

#include "app/macro/codec/step_bytes.h"

#include <algorithm>

namespace {

constexpr uint8_t kCountHeader = 0x05;
constexpr uint8_t kStopHeader = 0x07;
constexpr uint8_t kContinueHeader = 0x08;
constexpr uint8_t kEndCode = 0x06;

std::vector<uint8_t> Header(const KeyboardLoop& loop) {
    switch (loop.mode) {
        case KeyboardLoopMode::Count:
            return {kCountHeader,
                    static_cast<uint8_t>(std::clamp(loop.repeatCount, 1, kKeyboardMaxRepeatCount) - 1)};
        case KeyboardLoopMode::Stop:
            return {kStopHeader, kCountHeader, 0xFF};
        case KeyboardLoopMode::Continue:
            return {kContinueHeader, kCountHeader, 0xFF};
        default:
            return {};
    }
}

// The bytes of the step that starts at row `at`, and the rows it takes.
std::vector<uint8_t> StepAt(const MacroSteps& steps, size_t at, size_t* rows) {
    using step_bytes::LowByte;
    const MacroStep& step = steps[at];
    *rows = 1;
    switch (step.type) {
        case KeyboardStep::KeyUp:
        case KeyboardStep::KeyDown:
        case KeyboardStep::ButtonUp:
        case KeyboardStep::ButtonDown:
            return {LowByte(step.type), LowByte(step.value)};
        case KeyboardStep::Move:
            return step_bytes::MovePair(steps, at, KeyboardStep::Move, rows);
        case KeyboardStep::Delay: {
            std::vector<uint8_t> bytes{KeyboardStep::Delay};
            step_bytes::AppendBigEndian16(bytes, static_cast<uint16_t>(std::clamp(step.value, 0, kKeyboardMaxDelayMs)));
            return bytes;
        }
        default:
            return {};
    }
}

}  // namespace

std::vector<uint8_t> EncodeKeyboardMacro(const MacroSteps& steps, const KeyboardLoop& loop) {
    std::vector<uint8_t> data = Header(loop);
    step_bytes::AppendWholeSteps(data, steps, kKeyboardMacroDataLimit - 1, StepAt);
    data.push_back(kEndCode);
    return data;
}

KeyboardDecodedMacro DecodeKeyboardMacro(ByteView data) {
    KeyboardDecodedMacro decoded;
    for (size_t at = 0; at < data.size;) {
        const uint8_t code = data.data[at];
        switch (code) {
            case kStopHeader:
            case kContinueHeader:
                decoded.loop = KeyboardLoop{code == kStopHeader ? KeyboardLoopMode::Stop : KeyboardLoopMode::Continue, 1};
                at += 3;
                continue;
            case KeyboardStep::KeyUp:
            case KeyboardStep::KeyDown:
            case KeyboardStep::ButtonUp:
            case KeyboardStep::ButtonDown:
            case kCountHeader:
                if (data.size - at < 2) return decoded;
                if (code == kCountHeader) {
                    decoded.loop = KeyboardLoop{KeyboardLoopMode::Count, data.data[at + 1] + 1};
                } else {
                    decoded.steps.push_back({code, data.data[at + 1]});
                }
                at += 2;
                continue;
            case KeyboardStep::Move:
            case KeyboardStep::Delay:
                if (data.size - at < 3) return decoded;
                if (code == KeyboardStep::Move) {
                    decoded.steps.push_back({code, step_bytes::SignedFromByte(data.data[at + 1])});
                    decoded.steps.push_back({code, step_bytes::SignedFromByte(data.data[at + 2])});
                } else {
                    decoded.steps.push_back({code, data.data[at + 1] << 8 | data.data[at + 2]});
                }
                at += 3;
                continue;
            default:
                ++at;
                continue;
        }
    }
    return decoded;
}

bool KeyboardHasRoomFor(int loopMode, const MacroSteps& steps, size_t at, const MacroSteps& added) {
    const size_t frame = Header(KeyboardLoop{loopMode, 1}).size() + 1;
    return frame + step_bytes::StepsSize(WithStepsInserted(steps, at, added), StepAt) <= kKeyboardMacroDataLimit;
}
