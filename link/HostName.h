// Host names to addresses, through the system's resolver.
#pragma once

#include <cstdint>

// Copies text into out[128]; a text with a letter is looked up and replaced
// by its first IPv4 address in dotted form. Gives -1 when the lookup fails
// (the text stays as given), else 0.
int ResolveHostName(const char* text, char out[128]);
// Dotted address or host name to a 32-bit address, first part most
// significant. Missing or digit-less parts read as 0.
uint32_t ParseIpAddress(const char* text);
