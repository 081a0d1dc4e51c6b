#pragma once
// The limits a fire-key value edit is held to. A value that breaks one gets
// a replacement the edit shows instead (and nothing is stored); the paired
// rules compare a move with its adjustment (Kelvo: Y with its offset).

enum class FireField {
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
};

// True when a rule fires; *replacement is then the value to show. `partner`
// is the other value of a pair (ignored by the other fields).
bool BreaksFireLimit(FireField field, int value, int partner, int* replacement);
