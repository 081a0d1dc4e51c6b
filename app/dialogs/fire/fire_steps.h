#pragma once
// The rapid-fire step buffers: what a stage shows and where its value bytes
// sit. A position of -1 means the buffer has no such step, and such a value
// is never written back. Only steps whose bytes lie inside the buffer count
// (for Kelvo inside bytes 0..22: byte 23 is the checksum the library makes).

#include <cstdint>

constexpr int kKelvoStepBytes = 24;

// Kelvo: FA y vertical move, FD n repeat (count n + 1), FE d delay (8d ms).
struct KelvoStageSteps {
    int count = 0;
    int y = 0;
    int delay = 0;
    int countPos = -1;
    int yPos = -1;
    int delayPos = -1;
};

// Nolx: 04 x y move (arms the shoot time), FD n count, FE hi lo shoot time
// taken only while armed.
struct NolxStageSteps {
    int count = 0;
    int x = 0;
    int y = 0;
    int time = 0;
    int countPos = -1;
    int xPos = -1;
    int yPos = -1;
    int timePos = -1;  // of the high byte
};

// The last step of each kind wins.
KelvoStageSteps ParseKelvoSteps(const uint8_t* steps);
NolxStageSteps ParseNolxSteps(const uint8_t* steps, int length);

// Writes the edited values at the positions found by the parse; each value
// cut to its byte (Kelvo: count - 1, delay / 8).
void StoreKelvoSteps(uint8_t* steps, const KelvoStageSteps& at, int count, int y, int delay, bool stop);
void StoreNolxSteps(uint8_t* steps, const NolxStageSteps& at, int count, int x, int y, int time);
