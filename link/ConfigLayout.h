// Field layouts of the configuration commands and the generic walk that
// moves a layout between an in-memory record and wire bytes.
//
// A layout is written as a short text, one token per field, in wire order:
//   1 2 4        unsigned 8, 16, 32-bit (same width in the record)
//   w            8-bit in the record, widened to 32-bit on the wire
//   bN           N bytes copied as they stand
//   c1 c4        an 8 or 32-bit count for the next counted list
//   K*( ... )    K repeats of a group (a struct array in the record)
//   K/R*( ... )  K repeats on the wire, room for R in the record
//   #( ... )     count repeats, room up to the end of the record
//   #R( ... )    count repeats, room for R; #Rz( ... ): a larger count reads as 0
//   [=N ...] [!=N ...] [>=N ...] [>N ...]   present when the body length is (not) N / at least / above N
//   [r ...]      present when the device revision is 22 or more
//   @N           places the next field at record offset N of its group
// Record offsets follow natural alignment, as a C struct of the fields in
// the same order would; a conditional field keeps its record room always.
#pragma once

#include "link/ByteOrder.h"
#include "link/WireWriter.h"

#include <cstdint>
#include <memory>
#include <vector>

struct LayoutItem;
using LayoutItems = std::vector<LayoutItem>;

struct ConfigLayout {
    std::shared_ptr<const LayoutItems> items;
    bool afterGap = false; // reply fields start where request parameters would
};

// Compiles a layout text; gives an empty layout for a malformed text.
ConfigLayout CompileConfigLayout(const char* text);

// Writes the fields held in the record frame that starts at `frame`.
// `bodyLength` is the header's length, which selects the optional fields;
// `revision` is the device's, which selects the [r ...] fields.
void EncodeLayout(const ConfigLayout& layout, const uint8_t* frame, const uint8_t* recordEnd,
    uint32_t bodyLength, uint16_t revision, WireWriter& out);
// Reads the fields into the zeroed record frame; counts are bounded by the
// bytes the reader still has and by the room of the record.
void DecodeLayout(const ConfigLayout& layout, uint8_t* frame, uint8_t* recordEnd, uint32_t bodyLength,
    uint16_t revision, WireReader& in);

// Lists the fields that travel for a body length, in wire order: record
// offset from the frame and record width (counts as the record holds them).
struct LayoutField {
    uint32_t offset;
    uint32_t width;
};
std::vector<LayoutField> ListLayoutFields(const ConfigLayout& layout, const uint8_t* frame,
    const uint8_t* recordEnd, uint32_t bodyLength, uint16_t revision);
