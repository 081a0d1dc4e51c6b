#pragma once

// Empties every program-wide container and resets the settings records.
void ResetAppSettings();
