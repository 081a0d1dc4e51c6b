#include "app/main/windows/device_page.h"

std::atomic<uint8_t> AppRunning{1};
std::shared_mutex PollPagesGuard;
