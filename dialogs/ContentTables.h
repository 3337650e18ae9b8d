// The names and rates a stream content chooses from: resolution and audio
// type names, the AMR rate texts and the AAC and AMR rates by list position.
// The content editor and the streaming-server page both index them.
#pragma once

#include <span>

inline constexpr const char* kContentResolutions[] = { "QCIF", "SIF" };
inline constexpr const char* kContentAudioTypes[] = { "NONE", "AAC", "AMR" };
inline constexpr const char* kAmrBitrateTexts[]
    = { "4750", "5150", "5900", "6700", "7400", "7950", "10200", "12200" };
inline constexpr int kAacBitrates[] = { 4000, 8000, 12000, 16000, 20000, 24000, 28000, 32000 };
inline constexpr int kAmrBitrates[] = { 4750, 5150, 5900, 6700, 7400, 7950, 10200, 12200 };

enum ContentAudioType { CONTENT_AUDIO_NONE, CONTENT_AUDIO_AAC, CONTENT_AUDIO_AMR };

// The position of a text in a table, without regard to case; -1 when absent.
int FindContentName(std::span<const char* const> table, const char* text);
// The position of a rate in a table; -1 when absent.
int FindContentRate(std::span<const int> table, int rate);
