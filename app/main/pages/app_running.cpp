#include "app/main/pages/device_page.h"

std::atomic<uint8_t> AppRunning{1};
std::shared_mutex PollPagesGuard;
