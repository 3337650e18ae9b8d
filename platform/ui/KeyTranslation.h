// Qt keys to the platform's virtual-key codes; for the layer's own code.
#pragma once

#include "platform/base/Types.h"

class QKeyEvent;

// The virtual key of a key event, 0 for keys the system has no code for.
UINT VirtualKeyOf(const QKeyEvent* event);

// Notes a key message of a window for GetKeyState.
void NoteKeyMessage(UINT message, WPARAM vk);
