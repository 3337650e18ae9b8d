// The device's three ports after its settings went back to the defaults:
// the configuration port is the default one again, the streaming and HTTP
// ports are read from the device. They go into the current device and the
// device tree only when the device answered.
#pragma once

#include "link/ConfigSession.h"
#include "pages/ConfigPageHost.h"

constexpr DWORD DEFAULT_CONFIG_PORT = 8405;
constexpr DWORD DEFAULT_HTTP_PORT = 8001;
constexpr DWORD DEFAULT_STREAM_PORT = 8105;

// Whether the current device still uses the ports it left the factory with.
BOOL HasDefaultPorts();

// Reads 0x0A01 from the device at `configPort`; on success stores the three
// ports in g_CurrentDevice and hands them to the host for the tree. FALSE
// (and nothing changed) when the device did not answer.
BOOL StoreDevicePorts(CConfigSession& session, IConfigPageHost* pHost, DWORD configPort);
