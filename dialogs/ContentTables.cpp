#include "dialogs/ContentTables.h"

#include <strings.h>

int FindContentName(std::span<const char* const> table, const char* text)
{
    if (!text)
        return -1;
    for (size_t i = 0; i < table.size(); ++i)
        if (strcasecmp(table[i], text) == 0)
            return int(i);
    return -1;
}

int FindContentRate(std::span<const int> table, int rate)
{
    for (size_t i = 0; i < table.size(); ++i)
        if (table[i] == rate)
            return int(i);
    return -1;
}
