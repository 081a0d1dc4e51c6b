#include "app/main/windows/nolx_fire_state.h"

bool DolvKeepLeftFireFlag = false;
bool MeskKeepLeftFireFlag = false;
bool QiroKeepLeftFireFlag = false;
bool MeskFireMacroAvailable = false;
