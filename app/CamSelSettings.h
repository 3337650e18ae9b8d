// What the device-selection view keeps in the settings store under
// "SOFTWARE\Halvern\Pellmoor": the install folder with the tree-file paths
// formed from it, and the last family shown.
#pragma once

#include "platform/base/Types.h"

constexpr const char* CAMSEL_SETTINGS_KEY = "SOFTWARE\\Halvern\\Pellmoor";

// The install folder ("InstallDir"), empty when absent.
extern char g_szInstallDir[MAX_PATH];
// One path per family: the install folder and the family's file name, or the
// bare file name when the folder is not known.
extern char g_TreeFilePaths[5][MAX_PATH];

// Reads "InstallDir" into the globals above and gives "LastTreeNo" (0 when
// absent).
DWORD ReadCamSelSettings();
// Stores the family shown as "LastTreeNo".
void WriteLastTreeNo(DWORD family);
