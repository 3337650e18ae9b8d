// The typed blocks have the record layout the codec gives their commands.
#include "link/ConfigBlocks.h"
#include "link/ConfigCatalogue.h"
#include "link/ConfigRecords.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <memory>
#include <vector>

namespace
{

std::vector<uint32_t> ReplyOffsets(uint16_t command, uint32_t length)
{
    auto record = std::make_unique<ConfigReply>();
    const ConfigCommand* c = FindConfigCommand(command);
    std::vector<uint32_t> offsets;
    const uint8_t* end = reinterpret_cast<const uint8_t*>(record.get()) + CONFIG_RECORD_SIZE;
    for (const LayoutField& f : ListLayoutFields(c->replyLayout, record->body, end, length, 0))
        offsets.push_back(f.offset);
    return offsets;
}

TEST(ConfigBlocks, OffsetsMatchTheCodec)
{
    auto info = ReplyOffsets(0x0104, 154);
    EXPECT_EQ(info,
        (std::vector<uint32_t> { offsetof(CFG_DEVICE_INFO, dwDeviceTime), offsetof(CFG_DEVICE_INFO, szModel),
            offsetof(CFG_DEVICE_INFO, szVersion1), offsetof(CFG_DEVICE_INFO, szVersion2),
            offsetof(CFG_DEVICE_INFO, szSerial), offsetof(CFG_DEVICE_INFO, dwIpAddress),
            offsetof(CFG_DEVICE_INFO, byMac), offsetof(CFG_DEVICE_INFO, byReserved),
            offsetof(CFG_DEVICE_INFO, szTitle), offsetof(CFG_DEVICE_INFO, wRevision) }));

    auto ip = ReplyOffsets(0x0301, 113);
    ASSERT_EQ(ip.size(), 11u);
    EXPECT_EQ(ip[7], offsetof(CFG_IP_CONFIG, dwInterval));
    EXPECT_EQ(ip[8], offsetof(CFG_IP_CONFIG, szRegServer));
    EXPECT_EQ(ip[10], offsetof(CFG_IP_CONFIG, byExtra));

    auto security = ReplyOffsets(0x0501, 160);
    ASSERT_EQ(security.size(), 33u);
    EXPECT_EQ(security[3], offsetof(CFG_SECURITY, ranges));
    EXPECT_EQ(security[32], offsetof(CFG_SECURITY, ranges) + 9 * sizeof(CFG_SECURITY::Range) + 8);

    auto channels = ReplyOffsets(0x0401, 61);
    EXPECT_EQ(channels[7 * 4 + 6], offsetof(CFG_CHANNEL_CONFIG, entries) + 4 * 12 + 10);
    EXPECT_EQ(channels[35], offsetof(CFG_CHANNEL_CONFIG, byPtzModels));

    auto stream = ReplyOffsets(0x0D03, 12);
    ASSERT_EQ(stream.size(), 3u) << "no entries: the count and the two values after the room";
    EXPECT_EQ(stream[1], offsetof(CFG_STREAM_SERVER, dwValue));
    EXPECT_EQ(stream[2], offsetof(CFG_STREAM_SERVER, dwMaxConnections));
    EXPECT_EQ(offsetof(CFG_STREAM_SERVER, contents), 4u);
}

} // namespace
