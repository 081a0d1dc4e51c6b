#include "app/windows/nolx_fire_state.h"

uint8_t keepLeftFireFlagDolv = 0;
uint8_t keepLeftFireFlagMesk = 0;
uint8_t keepLeftFireFlagQiro = 0;
bool MeskFireMacroAvailable = false;
