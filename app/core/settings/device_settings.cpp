#include "app/core/settings/device_settings.h"

DeviceSettingsRecord DeviceSettings;
