// One running copy of the program per user and settings file. The first
// copy takes a lock beside the settings file and listens; a later copy
// finds the lock taken and asks the first to come to the front instead of
// running beside it and writing the same files.
#pragma once

#include "platform/base/PlatformApi.h"
#include "platform/base/String.h"
#include "platform/base/Types.h"

#include <functional>
#include <memory>

class PLATFORM_API CSingleInstance
{
public:
    CSingleInstance();
    ~CSingleInstance();
    CSingleInstance(const CSingleInstance&) = delete;
    CSingleInstance& operator=(const CSingleInstance&) = delete;

    // Takes the lock file (made when missing). FALSE only when another
    // program holds it; when the lock cannot be made at all the program
    // runs unguarded rather than not at all.
    BOOL Claim(const CString& lockFile);
    // The holder: `activate` runs on this thread, through its event loop,
    // each time a later copy asks.
    BOOL Listen(std::function<void()> activate);
    // Gives up the lock and stops listening.
    void Release();

    // A later copy: asks the holder of the lock to come to the front. TRUE
    // when it answered within the time.
    static BOOL ActivateRunning(const CString& lockFile, DWORD timeoutMs);

private:
    struct Impl;
    std::unique_ptr<Impl> m;
};
