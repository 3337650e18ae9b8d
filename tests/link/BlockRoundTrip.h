// The block table: every typed block of the configuration protocol with a
// filled record of each side it carries and the bytes that record travels
// as. The test sends each record through the codec both ways, so a record
// whose fields do not sit where the command's layout puts them, or a block
// whose length is not what its parameters travel as, fails here.
#pragma once

#include "link/ConfigBlock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <ostream>
#include <string>
#include <type_traits>
#include <vector>

namespace blocks
{

using Bytes = std::vector<uint8_t>;

struct BlockRow {
    std::string name;
    uint16_t command = 0;
    uint32_t length = 0; // the request's body length for these parameters
    bool lookupAllowed = true;
    Bytes params; // the parameter record; empty for none
    const char* paramWire = nullptr; // what it travels as, after the credentials
    Bytes fields; // the reply's field record; empty for none
    const char* fieldWire = nullptr; // the reply body it is read from
    uint16_t revision = 0; // the device's
    // For replies that carry lists: checks the decoded record instead of a
    // byte comparison.
    std::function<void(const uint8_t* decoded)> checkFields;
};

// Wire bytes written as text: hex digits ("0016"), quoted characters
// ('PT-D16') and a repeated byte ("00*10").
Bytes WireBytes(const char* text);

template <class T> Bytes RecordBytes(const T& record)
{
    static_assert(std::is_trivially_copyable_v<T>);
    Bytes bytes(sizeof record);
    std::memcpy(bytes.data(), &record, sizeof record);
    return bytes;
}

// A block with its records. `params` and `fields` are ignored on a side
// that carries nothing (CFG_NONE).
template <class P, class F>
BlockRow Row(const char* name, const ConfigBlock<P, F>& block, const P& params, const char* paramWire,
    const F& fields, const char* fieldWire, uint16_t revision = 0)
{
    BlockRow row;
    row.name = name;
    row.command = block.command;
    row.length = block.LengthOf(params);
    row.lookupAllowed = block.lookupAllowed;
    if constexpr (!std::is_same_v<P, CFG_NONE>) {
        row.params = RecordBytes(params);
        row.paramWire = paramWire;
    }
    if constexpr (!std::is_same_v<F, CFG_NONE>) {
        row.fields = RecordBytes(fields);
        row.fieldWire = fieldWire;
    }
    row.revision = revision;
    return row;
}

// A block whose reply carries lists the reply record owns: `check` looks at
// the decoded record.
template <class P, class F>
BlockRow ListRow(const char* name, const ConfigBlock<P, F>& block, const P& params, const char* paramWire,
    const char* fieldWire, std::type_identity_t<std::function<void(const F&)>> check)
{
    BlockRow row = Row(name, block, params, paramWire, F {}, fieldWire);
    row.checkFields = [check](const uint8_t* decoded) {
        F record;
        std::memcpy(&record, decoded, sizeof record);
        check(record);
    };
    return row;
}

class BlockRoundTrip : public ::testing::TestWithParam<BlockRow>
{
};

std::string RowName(const ::testing::TestParamInfo<BlockRow>& info);
// A failing row is named, not dumped.
inline void PrintTo(const BlockRow& row, std::ostream* os)
{
    *os << row.name;
}

} // namespace blocks
