#include "link/ConfigCatalogue.h"

#include <algorithm>
#include <iterator>

namespace
{

// Layouts shared by a get and its set.
#define DISCOVERY_INFO "b16 b32 b32 b24 4 b6 b32"
#define USER_LIST "b5 5*(b16 b16)"
#define USER_TABLE "5/11*(2) 5/11*(b16 b16) 5*(b8)"
#define RECORDER_USERS "c4 #(b16 b16 2 2 b8)"
#define CONNECTIVITY "1 4 4 b128 b64 4 b32 1 2 1 b16 16*(b64)"
#define PTZ_LISTS "c1 #(c1 #16(b24 1))"
#define PTZ_LISTS_EX "c1 #(c1 #16(b24 1 4))"
#define CHANNELS "5*(1 1 2 4 1 1 2)"
#define NET_CAMERA "2 2 b32 b32 b32 b5 b128 2 2 [r 1]"
#define SECURITY "4 b32 4 10*(4 4 4)"
#define SCHEDULE_ENTRY(len) "5*(4 4 4 b4 4 b4 [=" #len " 4] 4*(2))"
#define RELAYS(len) "4*(1 4*(2)) [=" #len " 4*(1 4*(2))]"
#define RELAY_TABLE(len) "5*(4 4 [!=" #len " 4*(2)] [=" #len " 4*(4)])"
#define ALARM_OUT "1 4*(1 3*(2))"
#define CONTENT "b128 b24 b12 4 4 b24 7*(4) b1 b3 3*(4)"

// clang-format off
ConfigCommand g_commands[] = {
    // Discovery, device and time.
    { 0x0101, "4", DISCOVERY_INFO, {}, {} },
    { 0x0102, "4 b6", "", {}, {} },
    { 0x0103, "", "", {}, {} },
    { 0x0104, "", "4 b16 b32 b32 b24 4 b6 b2 b32 [=154 2]", {}, {} },
    { 0x0105, "4 b32 2 1 1 4", "", {}, {} },
    { 0x0106, "b32", "", {}, {} },
    { 0x0107, "4 4", "", {}, {} },
    { 0x0108, "", "4 4", {}, {} },
    { 0x010A, "", "2 1 @4 1 @3 1", {}, {} },
    { 0x010B, "2 1 @4 1 @3 1", "", {}, {} },
    { 0x010C, "", "1 4 4", {}, {} },
    { 0x010D, "", "1 b6 b20", {}, {} },
    { 0x010E, "1 b6 b20", "", {}, {} },
    { 0x010F, "", "!", {}, {} },
    { 0x0110, "", "5*(4)", {}, {} },
    { 0x0111, "4*(4)", "b16 b32 b32 b24 4 4 b6 b32", {}, {} },
    { 0x0112, "", "c4 #74z(1)", {}, {} },
    // Users.
    { 0x0201, "", USER_LIST " b5", {}, {} },
    { 0x0202, USER_LIST " [>200 b5]", "", {}, {} },
    { 0x0203, "", USER_TABLE, {}, {} },
    { 0x0204, USER_TABLE, "", {}, {} },
    { 0x0205, "", RECORDER_USERS, {}, {} },
    { 0x0206, RECORDER_USERS, "", {}, {} },
    { 0x0207, "", "4 2 2", {}, {} },
    { 0x0208, "4 2 2", "", {}, {} },
    // Network, alarm inputs and outputs, serial and PTZ lists.
    { 0x0301, "", "8*(4) b64 b16 [=113 1]", {}, {} },
    { 0x0302, "8*(4) b64 b16 [=145 1]", "", {}, {} },
    { 0x0303, "", "g 4 b128 b128 b128", {}, {} },
    { 0x0304, "4 b128 b128", "", {}, {} },
    { 0x0305, "", "g 4", {}, {} },
    { 0x0306, "4", "", {}, {} },
    { 0x030C, "", "4 4 4", {}, {} },
    { 0x030D, "4 4 4", "", {}, {} },
    { 0x030E, "", "b4 4 4", {}, {} },
    { 0x030F, "b4 4 4", "", {}, {} },
    { 0x0310, "1", "1 c4 #(1)", {}, {} },
    { 0x0311, "1 c4 #(1)", "", {}, {} },
    { 0x0312, "", "b16", {}, {} },
    { 0x0313, "b16", "", {}, {} },
    { 0x0314, "1", "g 1 1 b8 1", {}, {} },
    { 0x0315, "1 1 b8 1", "", {}, {} },
    { 0x0316, "", "b16", {}, {} },
    { 0x0317, "b16", "", {}, {} },
    { 0x0318, "", "1", {}, {} },
    { 0x0319, "1", "", {}, {} },
    { 0x031A, "", "1 b64 b64 b64", {}, {} },
    { 0x031B, "1 b64 b64 b64", "", {}, {} },
    { 0x031C, "1", "1 b16 b16 1", {}, {} },
    { 0x031D, "1 b16 b16 1", "", {}, {} },
    { 0x031E, "", CONNECTIVITY, {}, {} },
    { 0x031F, CONNECTIVITY, "", {}, {} },
    { 0x0320, "", "1 b128 b128 1 1", {}, {} },
    { 0x0321, "1 b128 b128 1 1", "", {}, {} },
    { 0x0322, "", "1", {}, {} },
    { 0x0323, "1", "", {}, {} },
    { 0x0324, "", PTZ_LISTS, {}, {} },
    { 0x0325, PTZ_LISTS, "", {}, {} },
    { 0x0326, "", PTZ_LISTS_EX, {}, {} },
    { 0x0327, PTZ_LISTS_EX, "", {}, {} },
    { 0x0328, "1 1", "", {}, {} },
    { 0x0329, "1 1", "", {}, {} },
    { 0x0330, "1 1", "", {}, {} },
    { 0x0331, "", "!", {}, {} },
    { 0x0332, "!", "", {}, {} },
    { 0x0333, "", "!", {}, {} },
    { 0x0334, "!", "", {}, {} },
    { 0x0335, "w w", "", {}, {} },
    { 0x0336, "w w", "", {}, {} },
    { 0x0337, "w w", "", {}, {} },
    { 0x0338, "", "b32 b32 1", {}, {} },
    { 0x0339, "b32 b32 1", "", {}, {} },
    { 0x0340, "", "32*(1 1 1 1 2 1)", {}, {} },
    { 0x0341, "32*(1 1 1 1 2 1)", "", {}, {} },
    { 0x0342, "", "1 1", {}, {} },
    { 0x0343, "1 1", "", {}, {} },
    // Cameras.
    { 0x0401, "", CHANNELS " c1 #(b32)", {}, {} },
    { 0x0402, CHANNELS, "", {}, {} },
    { 0x0403, "", "1 1 1", {}, {} },
    { 0x0404, "1", "2 b32 b5 1 2", {}, {} },
    { 0x0405, "1 2 b32 b5 1 2", "", {}, {} },
    { 0x0406, "1", NET_CAMERA, {}, {} },
    { 0x0407, "1 " NET_CAMERA, "", {}, {} },
    { 0x0408, nullptr, "4 4", {}, {} },
    { 0x0409, "4 4", "", {}, {} },
    // Security and picture.
    { 0x0501, "", SECURITY, {}, {} },
    { 0x0502, SECURITY, "", {}, {} },
    { 0x0601, "1", "1 b7", {}, {} },
    { 0x0602, "1 b7", "", {}, {} },
    // Recording, schedules, relays, events.
    { 0x0701, "4", "4 " SCHEDULE_ENTRY(184), {}, {} },
    { 0x0702, "4 " SCHEDULE_ENTRY(216), "", {}, {} },
    { 0x0703, "", "4 4", {}, {} },
    { 0x0704, "4 4", "", {}, {} },
    { 0x0705, "", "!", {}, {} },
    { 0x0706, "1", "b24", {}, {} },
    { 0x0707, "1 b24", "", {}, {} },
    // The optional 32-bit sits after the 16-bit in the record, last on the wire.
    { 0x0708, "1", "2 @8 1 b8 b6 [>=21 @4 4] [>=53 @24 16*(2)]", {}, {} },
    { 0x0709, "1 2 @8 1 b8 b6 [>=54 @4 4] [>=86 @24 16*(2)]", "", {}, {} },
    { 0x070A, "", RELAYS(72), {}, {} },
    { 0x070B, RELAYS(104), "", {}, {} },
    { 0x070C, "", RELAY_TABLE(120), {}, {} },
    { 0x070D, RELAY_TABLE(152), "", {}, {} },
    { 0x070E, "1", "1 4*(2) b6", {}, {} },
    { 0x070F, "1 4*(2) b6", "", {}, {} },
    { 0x0710, "1", ALARM_OUT, {}, {} },
    { 0x0711, ALARM_OUT, "", {}, {} },
    { 0x0712, "1", ALARM_OUT, {}, {} },
    { 0x0713, ALARM_OUT, "", {}, {} },
    { 0x0714, "1", ALARM_OUT, {}, {} },
    { 0x0715, ALARM_OUT, "", {}, {} },
    { 0x0716, "", "1 5*(2)", {}, {} },
    { 0x0717, "1 5*(2)", "", {}, {} },
    { 0x0718, "", "4*(1 5*(2))", {}, {} },
    { 0x0719, "4*(1 5*(2))", "", {}, {} },
    { 0x071A, "1", "b32", {}, {} },
    { 0x071B, "1 b32", "", {}, {} },
    // Disk, factory reset, ports, channel parameters.
    { 0x0801, "", "4*(4)", {}, {} },
    { 0x0802, "4 4", "", {}, {} },
    { 0x0803, "", "", {}, {} },
    { 0x0901, "", "", {}, {} },
    { 0x0A01, "", "4 4", {}, {} },
    { 0x0A02, "4 4", "", {}, {} },
    { 0x0A03, "", "4 4", {}, {} },
    { 0x0A04, "4 4", "", {}, {} },
    { 0x0B01, "", "b4 [=8 4]", {}, {} },
    { 0x0B02, "b4 [=40 4]", "", {}, {} },
    { 0x0B06, "!", "!", {}, {} },
    { 0x0B07, "", "1 1 2 b128", {}, {} },
    { 0x0B08, "1 1 2", "", {}, {} },
    { 0x0C01, "", "4", {}, {} },
    { 0x0C02, "4", "", {}, {} },
    // Daylight saving and the stream server page; the two values after the
    // entries are kept after the room of ten.
    { 0x0D03, "", "c4 #10(" CONTENT ") 4 4", {}, {} },
    { 0x0D04, "c4 #10(" CONTENT ")", "", {}, {} },
    { 0x0D05, "", "4", {}, {} },
    { 0x0D06, "4", "", {}, {} },
    { 0x0D07, "", "1 1 2 4 4", {}, {} },
    { 0x0D08, "1 1 2 4 4", "", {}, {} },
    // Audio, stream contents, status.
    { 0x0E01, "b1 b3", "b1 b3", {}, {} },
    { 0x0E02, "b1 b3", "", {}, {} },
    { 0x0E03, "", "c4 #(4)", {}, {} },
    { 0x0E04, "4 10*(4)", "", {}, {} },
    { 0x0E05, "4", "!", {}, {} },
    { 0x0E06, "4", "", {}, {} },
    { 0x0E07, "", "!", {}, {} },
    { 0x0E08, "", "", {}, {} },
};
// clang-format on

constexpr size_t kCommandCount = std::size(g_commands);

bool CompileAll()
{
    for (ConfigCommand& c : g_commands) {
        if (c.request && c.request[0] != '!')
            c.requestLayout = CompileConfigLayout(c.request);
        if (c.reply && c.reply[0] != '!')
            c.replyLayout = CompileConfigLayout(c.reply);
    }
    return true;
}

void EnsureCompiled()
{
    static const bool compiled = CompileAll();
    (void)compiled;
}

} // namespace

const ConfigCommand* ConfigCommands(size_t* count)
{
    EnsureCompiled();
    *count = kCommandCount;
    return g_commands;
}

const ConfigCommand* FindConfigCommand(uint16_t command)
{
    EnsureCompiled();
    auto it = std::lower_bound(std::begin(g_commands), std::end(g_commands), command,
        [](const ConfigCommand& c, uint16_t code) { return c.command < code; });
    if (it == std::end(g_commands) || it->command != command)
        return nullptr;
    return it;
}

bool IsReplyTo(uint16_t requestCommand, const uint8_t* message, size_t size)
{
    if (!message || size < 2)
        return false;
    const uint16_t code = static_cast<uint16_t>((message[0] << 8) | message[1]);
    return code == static_cast<uint16_t>(requestCommand + CONFIG_REPLY_OFFSET);
}
