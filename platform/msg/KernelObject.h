// Internal: the object behind an event or thread HANDLE.
#pragma once

#include "platform/base/Types.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

namespace msgcore
{
class ThreadState;
}

struct KernelObject {
    explicit KernelObject(bool manual, bool initial)
        : manualReset(manual)
        , signalled(initial)
    {
    }
    virtual ~KernelObject() = default;

    // Signals the object and wakes its waiters.
    void Signal();
    void Reset();
    // Takes the signal when it is there (an auto-reset object drops it).
    bool TryAcquire();
    bool IsSignalled();
    void AddWaiter(const std::shared_ptr<msgcore::ThreadState>& waiter);
    void RemoveWaiter(const std::shared_ptr<msgcore::ThreadState>& waiter);

    void AddRef() { ++refs; }
    void Release()
    {
        if (--refs == 0)
            delete this;
    }

    const bool manualReset;

private:
    std::atomic<int> refs { 1 };
    std::mutex m_mutex;
    bool signalled;
    std::vector<std::shared_ptr<msgcore::ThreadState>> m_waiters;
};
