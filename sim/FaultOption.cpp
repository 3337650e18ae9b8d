#include "sim/FaultOption.h"

#include <cerrno>
#include <cstdlib>

namespace sim
{

const char* const kFaultModesHelp
    = "  --fault CODE:MODE[=VALUE]  misbehave on requests of command CODE (hex, e.g. 0104 the login,\n"
      "                   0110 the clock, 010F the daylight-saving rules, 0201 the users; on a camera's\n"
      "                   stream 2202 its frames, 2002 the start of its live video); repeatable:\n"
      "      status=S     refuse with status S (hex): F301 authorization failed, F309 invalid value\n"
      "      split=N,M,.. send the reply in pieces of N, M, ... bytes, 20 ms apart, then the rest\n"
      "      oversized=L  announce a body of L bytes in the reply's header and send what there is\n"
      "      silence      read the request and never answer; the connection stays open\n"
      "      trickle=MS   send the reply one byte every MS milliseconds\n"
      "      reply=C      answer with the reply of command C, its code and record (a wrong reply code)\n"
      "      cut=N        send the first N bytes of the reply, then close (8: the header only)\n"
      "      close        close the connection without a reply\n"
      "      delay=MS     wait MS milliseconds before the reply\n";

namespace
{

// A whole number in the given base within [0, max]; false for anything else.
bool Number(const std::string& text, int base, long long max, long long* value)
{
    if (text.empty() || text.size() > 20)
        return false;
    errno = 0;
    char* end = nullptr;
    const long long v = std::strtoll(text.c_str(), &end, base);
    if (errno || *end || v < 0 || v > max)
        return false;
    *value = v;
    return true;
}

bool Hex16(std::string text, long long* value)
{
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        text = text.substr(2);
    return Number(text, 16, 0xFFFF, value);
}

constexpr long long kLongestWaitMs = 3600 * 1000;

} // namespace

bool ParseFaultOption(const std::string& text, uint16_t* command, Fault* fault, std::string* error)
{
    const size_t colon = text.find(':');
    long long code = 0;
    if (colon == std::string::npos || !Hex16(text.substr(0, colon), &code)) {
        *error = "\"" + text + "\": give a command code in hex, a colon and a mode, e.g. 0104:status=F301";
        return false;
    }
    *command = static_cast<uint16_t>(code);
    *fault = Fault();
    const std::string rest = text.substr(colon + 1);
    const size_t equals = rest.find('=');
    const std::string mode = rest.substr(0, equals);
    const std::string value = equals == std::string::npos ? std::string() : rest.substr(equals + 1);
    const bool hasValue = equals != std::string::npos;
    long long v = 0;
    bool ok = true;
    if (mode == "silence" || mode == "close") {
        ok = !hasValue;
        fault->silence = mode == "silence";
        fault->closeWithoutReply = mode == "close";
    } else if (mode == "status") {
        ok = Hex16(value, &v) && v != 0;
        fault->status = static_cast<uint16_t>(v);
    } else if (mode == "reply") {
        // The reply of command C carries code C + 0x1000; a reply code is
        // taken for its command.
        ok = Hex16(value, &v);
        fault->answerAs = static_cast<int32_t>(v >= 0x1000 ? v - 0x1000 : v);
    } else if (mode == "oversized") {
        ok = Number(value, 10, 0xFFFFFFFFLL, &v);
        fault->announcedLength = v;
    } else if (mode == "cut") {
        ok = Number(value, 10, 0xFFFFFFFFLL, &v);
        fault->cutAfter = v;
    } else if (mode == "trickle" || mode == "delay") {
        ok = Number(value, 10, kLongestWaitMs, &v) && v > 0;
        (mode == "trickle" ? fault->trickleMs : fault->delayMs) = static_cast<int>(v);
    } else if (mode == "split") {
        size_t at = 0;
        ok = hasValue;
        while (ok && at <= value.size()) {
            const size_t comma = std::min(value.find(',', at), value.size());
            ok = Number(value.substr(at, comma - at), 10, 0xFFFFFFFFLL, &v) && v > 0
                && fault->pieces.size() < 64;
            fault->pieces.push_back(static_cast<size_t>(v));
            at = comma + 1;
        }
    } else {
        *error = "\"" + text + "\": unknown fault mode \"" + mode + "\" (see --help)";
        return false;
    }
    if (!ok) {
        *error = "\"" + text + "\": the value of " + mode + " is missing or out of range (see --help)";
        return false;
    }
    return true;
}

} // namespace sim
