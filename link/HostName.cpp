#include "link/HostName.h"

#include "link/ByteOrder.h"
#include "link/DeviceHelpers.h"

#include <arpa/inet.h>
#include <cstring>
#include <netdb.h>

int ResolveHostName(const char* text, char out[128])
{
    std::memset(out, 0, 128);
    if (text)
        CopyFixedText(out, 128, text, std::strlen(text));
    if (!HasLetter(out))
        return 0;
    addrinfo hints {};
    hints.ai_family = AF_INET;
    addrinfo* result = nullptr;
    if (getaddrinfo(out, nullptr, &hints, &result) != 0 || !result)
        return -1;
    char dotted[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &reinterpret_cast<sockaddr_in*>(result->ai_addr)->sin_addr, dotted, sizeof dotted);
    freeaddrinfo(result);
    std::memset(out, 0, 128);
    std::strcpy(out, dotted);
    return 0;
}

uint32_t ParseIpAddress(const char* text)
{
    char resolved[128];
    ResolveHostName(text, resolved);
    return ParseDottedAddress(resolved);
}
