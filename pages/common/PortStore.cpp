#include "pages/common/PortStore.h"

#include "link/CurrentDevice.h"
#include "link/NetworkBlocks.h"

#include <memory>

BOOL HasDefaultPorts()
{
    return g_CurrentDevice.dwConfigPort == DEFAULT_CONFIG_PORT
        && g_CurrentDevice.dwHttpPort == DEFAULT_HTTP_PORT
        && g_CurrentDevice.dwStreamPort == DEFAULT_STREAM_PORT;
}

BOOL StoreDevicePorts(CConfigSession& session, IConfigPageHost* pHost, DWORD configPort)
{
    // The device is asked where it listens now; the old port comes back
    // when it does not answer there.
    const DWORD oldConfigPort = g_CurrentDevice.dwConfigPort;
    g_CurrentDevice.dwConfigPort = configPort;
    auto reply = std::make_unique<ConfigReply>();
    CFG_PORT_PAIR ports {};
    if (session.Request(GET_SERVER_PORTS, {}, &ports, *reply) != CONFIG_DONE) {
        g_CurrentDevice.dwConfigPort = oldConfigPort;
        return FALSE;
    }
    g_CurrentDevice.dwStreamPort = ports.dwFirst;
    g_CurrentDevice.dwHttpPort = ports.dwSecond;
    if (pHost)
        pHost->SetDevicePorts(ports.dwFirst, ports.dwSecond, configPort);
    return TRUE;
}
