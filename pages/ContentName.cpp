#include "pages/ContentName.h"

char g_szContentName[128] = {};
