#include "app/macro/codec/nolx_macro_codec.h"

#include "app/macro/codec/step_bytes.h"

#include <algorithm>

namespace {

constexpr uint8_t kLoopCode = 0xFD;
constexpr uint8_t kEndlessLoop = 0x00;
constexpr uint8_t kQiroStopOnAnyKey = 0x7F;
constexpr uint8_t kQiroStop = 0x80;
constexpr uint8_t kEndCode = 0xFC;
constexpr uint8_t kEndStep = 0x00;

std::vector<uint8_t> LoopStep(NolxChip chip, const NolxLoop& loop) {
    const int count = std::clamp(loop.repeatCount, 1, NolxMaxRepeatCount(chip));
    if (loop.mode == NolxLoopMode::Count) return {kLoopCode, static_cast<uint8_t>(count)};
    if (chip != NolxChip::Qiro) {
        if (loop.mode == NolxLoopMode::Endless) return {kLoopCode, kEndlessLoop};
        return {};
    }
    if (loop.mode == NolxLoopMode::QiroStopOnAnyKey) return {kLoopCode, kQiroStopOnAnyKey};
    if (loop.mode == NolxLoopMode::QiroStop) return {kLoopCode, kQiroStop};
    return {};
}

// The bytes of the step that starts at row `at`, and the rows it takes.
std::vector<uint8_t> StepAt(const MacroSteps& steps, size_t at, size_t* rows) {
    using step_bytes::LowByte;
    const MacroStep& step = steps[at];
    *rows = 1;
    switch (step.type) {
        case NolxStep::KeyUp:
        case NolxStep::KeyDown:
            return {LowByte(step.type), LowByte(step.value)};
        case NolxStep::Move:
            return step_bytes::MovePair(steps, at, NolxStep::Move, rows);
        case NolxStep::Delay: {
            std::vector<uint8_t> bytes{NolxStep::Delay};
            step_bytes::AppendBigEndian16(bytes, static_cast<uint16_t>(std::clamp(step.value, 0, kNolxMaxDelayMs)));
            return bytes;
        }
        default:
            if (IsMouseButtonEvent(step.type)) return {LowByte(step.type)};
            return {};
    }
}

NolxLoop LoopFromOperand(NolxChip chip, uint8_t operand) {
    if (chip == NolxChip::Qiro) {
        if (operand == kQiroStopOnAnyKey) return {NolxLoopMode::QiroStopOnAnyKey, 1};
        if (operand == kQiroStop) return {NolxLoopMode::QiroStop, 1};
    } else if (operand == kEndlessLoop) {
        return {NolxLoopMode::Endless, 1};
    }
    return {NolxLoopMode::Count, operand};
}

size_t OperandBytes(uint8_t code) {
    switch (code) {
        case NolxStep::KeyUp:
        case NolxStep::KeyDown:
        case kLoopCode:
            return 1;
        case NolxStep::Move:
        case NolxStep::Delay:
            return 2;
        default:
            return 0;
    }
}

}  // namespace

int NolxMaxRepeatCount(NolxChip chip) { return chip == NolxChip::Qiro ? 0x7E : 0xFF; }

std::vector<uint8_t> EncodeNolxMacro(NolxChip chip, const MacroSteps& steps, const NolxLoop& loop) {
    std::vector<uint8_t> data = LoopStep(chip, loop);
    step_bytes::AppendWholeSteps(data, steps, kNolxMacroDataLimit - 2, StepAt);
    data.push_back(kEndCode);
    data.push_back(kEndStep);
    return data;
}

NolxDecodedMacro DecodeNolxMacro(NolxChip chip, ByteView data) {
    NolxDecodedMacro decoded;
    if (data.size == 0) return decoded;
    if (chip == NolxChip::Qiro) decoded.loop = NolxLoop{NolxLoopMode::QiroContinue, 1};
    for (size_t at = 0; at < data.size && data.data[at] != kEndStep;) {
        const uint8_t code = data.data[at];
        if (IsMouseButtonEvent(code)) {
            decoded.steps.push_back({code, code});
            ++at;
            continue;
        }
        const size_t operands = OperandBytes(code);
        if (operands == 0) {
            ++at;
            continue;
        }
        if (data.size - at <= operands) break;
        const uint8_t* operand = data.data + at + 1;
        at += 1 + operands;
        switch (code) {
            case kLoopCode:
                decoded.loop = LoopFromOperand(chip, operand[0]);
                break;
            case NolxStep::Move:
                decoded.steps.push_back({NolxStep::Move, step_bytes::SignedFromByte(operand[0])});
                decoded.steps.push_back({NolxStep::Move, step_bytes::SignedFromByte(operand[1])});
                break;
            case NolxStep::Delay:
                decoded.steps.push_back({NolxStep::Delay, operand[0] << 8 | operand[1]});
                break;
            default:
                decoded.steps.push_back({code, operand[0]});
                break;
        }
    }
    return decoded;
}

bool NolxHasRoomFor(NolxChip chip, int loopMode, const MacroSteps& steps, size_t at, const MacroSteps& added) {
    const size_t frame = LoopStep(chip, NolxLoop{loopMode, 1}).size() + 2;
    return frame + step_bytes::StepsSize(WithStepsInserted(steps, at, added), StepAt) <= kNolxMacroDataLimit;
}
