// The stream content the viewers play.
#pragma once

#include <cstdint>

// The name of the chosen content; written by the information and streaming
// server pages, read by the screen adjustment page.
extern char g_szContentName[128];
