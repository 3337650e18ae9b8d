// Pure helpers the views, pages and dialogs share when they deal with a
// device: address and version texts, model classes, the password scramble.
// None of them reads the current device or asks a name server.
#pragma once

#include "link/ByteOrder.h"

#include <cstddef>
#include <cstdint>
#include <string>

bool HasLetter(const char* text);
// Up to four dot-separated decimal parts, first part most significant; each
// part keeps its low 8 bits and missing or digit-less parts read as 0.
uint32_t ParseDottedAddress(const char* text);
// Exactly four dot-separated decimal parts of 0 to 255 and nothing else;
// false leaves *address alone.
bool ParseStrictAddress(const char* text, uint32_t* address);
// "%d.%d.%d.%d" of a 32-bit address, first part from the top byte.
std::string FormatIpAddress(uint32_t address);
// "xx:xx:xx:xx:xx:xx" of a MAC address into dst[dstSize].
void FormatMacText(const uint8_t mac[6], char* dst, size_t dstSize);

// Reads up to `count` dot-separated decimal parts of a version text, each
// kept as its low 8 bits; missing parts read as 0.
void ParseVersionText(const char* text, int parts[], int count);

// Recorder model class 0 to 4 of a model name (any case, whole name), or -1.
int ModelNameToRecorderModel(std::string modelName);

// The reversible scramble of the 16-byte password fields of user records.
void ScramblePassword(uint8_t field[16]);
void UnscramblePassword(uint8_t field[16]);
