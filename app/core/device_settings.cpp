#include "app/core/device_settings.h"

DeviceSettingsRecord DeviceSettings;
