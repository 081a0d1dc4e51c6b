#pragma once
// The controls of one fire stage: the value edits, the Kelvo stop box and
// the stage's colour.

enum class StageControl {
    KelvoStop,
    KelvoCount,
    KelvoY,
    KelvoOffset,
    KelvoDelay,
    NolxCount,
    NolxX,
    NolxXAdjust,
    NolxY,
    NolxYAdjust,
    NolxTime,
    Colour,
};
