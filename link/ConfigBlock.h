// A typed block of the configuration protocol: one request code with the
// record its parameters come from and the record its reply fills. Pages and
// dialogs name a block instead of filling a request by hand; the records
// have the layout the codec gives the command (table order, natural
// alignment), which the block table test holds them to.
#pragma once

#include "link/ConfigRecords.h"

#include <cstdint>
#include <cstring>
#include <type_traits>

// The side of a block that carries nothing: a get without parameters, or a
// set whose reply is only its status.
struct CFG_NONE {
};

template <class Params, class Fields> struct ConfigBlock {
    uint16_t command;
    // The request's body length: the credential block and the parameters as
    // they travel (which need not be the record's size).
    uint32_t length;
    // Whether the registration server may be asked for the address first.
    bool lookupAllowed = true;
    // For a list whose length follows its count: the length of this record.
    uint32_t (*lengthOf)(const Params&) = nullptr;

    uint32_t LengthOf(const Params& params) const { return lengthOf ? lengthOf(params) : length; }
};

template <class Fields> using ConfigGet = ConfigBlock<CFG_NONE, Fields>;
template <class Params> using ConfigSet = ConfigBlock<Params, CFG_NONE>;

// Where a decoded reply's fields start in its record: most replies hold them
// from byte 8 on, a few where a request's parameters would.
const uint8_t* ConfigReplyFields(const ConfigReply& reply);

// A decoded reply's fields as the record that describes them.
template <class Fields> Fields ReplyFields(const ConfigReply& reply)
{
    static_assert(std::is_trivially_copyable_v<Fields>);
    static_assert(sizeof(Fields) <= sizeof reply.body - (CONFIG_REQUEST_PARAMS - CONFIG_REPLY_FIELDS));
    Fields fields;
    std::memcpy(&fields, ConfigReplyFields(reply), sizeof fields);
    return fields;
}
