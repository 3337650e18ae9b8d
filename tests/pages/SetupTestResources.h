// Makes the program's own resources the ones dialogs and texts come from.
#pragma once

void UseSetupResources();
