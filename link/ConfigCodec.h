// Request encoder and reply decoder of the configuration protocol.
#pragma once

#include "link/ConfigRecords.h"

#include <cstddef>
#include <cstdint>

// Writes the request at buf + *pos and advances *pos. Gives the bytes
// written; 0 (nothing to send, *pos unchanged) for a command without a case
// or a message that would not fit in `capacity` bytes; nothing is ever
// written past `capacity`. For a device of `family` 4 the record's second
// word becomes 22; `revision` is the device's (0x0407 grows a byte from 22
// on). A length of 0 sends the header only.
uint32_t EncodeConfigRequest(
    uint8_t* buf, size_t capacity, uint32_t* pos, ConfigRequest* request, uint32_t family, uint16_t revision);

// Reads one reply from the `size` bytes of buf from *pos on into the zeroed
// record and advances *pos. Gives the bytes consumed; 0 for a reply id
// without a case (only the header is kept) or fewer than 8 bytes. Fields the
// body lacks read as zero; counts are bounded by the body and the record.
// Lists marked allocated belong to the caller (FreeConfigReplyLists).
// `*revision` is the device's revision (0x1406 grows a byte from 22 on); a
// 0x1104 reply sets it to the revision it carries, 0 when it carries none.
// A null `revision` reads as 0 and is not written.
uint32_t DecodeConfigReply(
    const uint8_t* buf, size_t size, uint32_t* pos, ConfigReply* reply, uint16_t* revision);
// The same into a request record, for the set requests that take their reply.
uint32_t DecodeConfigReply(
    const uint8_t* buf, size_t size, uint32_t* pos, ConfigRequest* record, uint16_t* revision);

// Fills the request header and the credential texts: "admin" and the given
// password (at most 15 characters), everything after them zero.
void PrepareConfigRequest(ConfigRequest* request, uint16_t command, uint32_t length, const char* password);
