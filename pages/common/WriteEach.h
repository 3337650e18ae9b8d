// Writes of one group that go item by item (a port, a camera's entry): every
// item is tried until one finds no connection, and the group's outcome is
// the worst of them.
#pragma once

#include "link/ConfigSession.h"

// `write(i)` sends item i (or passes it over with CONFIG_DONE).
template <class Write> ConfigResult WriteEach(int count, Write write)
{
    ConfigResult worst = CONFIG_DONE;
    for (int i = 0; i < count; ++i) {
        const ConfigResult result = write(i);
        if (result == CONFIG_NO_CONNECTION)
            return result;
        if (result != CONFIG_DONE)
            worst = result;
    }
    return worst;
}
