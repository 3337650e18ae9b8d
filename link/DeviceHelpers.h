// Helpers the views, pages and dialogs share when they deal with a device.
#pragma once

#include "link/ByteOrder.h"

#include <cstdint>
#include <string>

// Dotted address or host name to a 32-bit address, first part most
// significant. Missing or digit-less parts read as 0.
uint32_t ParseIpAddress(const char* text);
// Copies text into out[128]; a text with a letter is looked up and replaced
// by its first IPv4 address in dotted form. Gives -1 when the lookup fails
// (the text stays as given), else 0.
int ResolveHostName(const char* text, char out[128]);
bool HasLetter(const char* text);
// "%d.%d.%d.%d" of a 32-bit address, first part from the top byte.
std::string FormatIpAddress(uint32_t address);

// Reads up to `count` dot-separated decimal parts of a version text, each
// kept as its low 8 bits; missing parts read as 0.
void ParseVersionText(const char* text, int parts[], int count);
// Compares the current device's firmware version with a.b.c (a.b.c.d).
bool IsVersionAtLeast(int a, int b, int c);
bool IsVersionAtLeast4(int a, int b, int c, int d);

// Recorder model class 0 to 4 of a model name (any case, whole name), or -1.
int ModelNameToRecorderModel(std::string modelName);
// The version-dependent capability of the current DVR.
bool IsFeatureSupported();

// The reversible scramble of the 16-byte password fields of user records.
void ScramblePassword(uint8_t field[16]);
void UnscramblePassword(uint8_t field[16]);

// Requests to a family-4 device carry 22 in the header's second word; the
// request codecs call this before they write a header.
void StampRequestHeader(NET_MSG_HEADER& header);
