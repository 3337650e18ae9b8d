// The per-camera records of a recorder page: a camera's record is read the
// first time it is shown and kept until the page is activated again; Apply
// sends the changed ones in camera order, and a camera counts as written
// only when its writes succeeded, so that a later Apply sends it again. A
// camera whose read failed is never written.
#pragma once

#include "link/ConfigSession.h"

#include <map>

template <class Record> class CameraRecordCache
{
public:
    struct Entry {
        bool read = false; // read from the device
        bool changed = false; // edited and not yet written
        int index = 0; // over all cameras, analogue first
        bool analogue = false;
        Record record {};
    };

    void Clear() { m_entries.clear(); }
    Entry* Find(int index)
    {
        auto it = m_entries.find(index);
        return it == m_entries.end() ? nullptr : &it->second;
    }
    // The camera's entry, made zero-filled when it has none.
    Entry& Get(int index, bool analogue)
    {
        auto [it, made] = m_entries.try_emplace(index);
        if (made) {
            it->second.index = index;
            it->second.analogue = analogue;
        }
        return it->second;
    }
    bool AnyChanged() const
    {
        for (const auto& [index, entry] : m_entries)
            if (entry.changed)
                return true;
        return false;
    }
    // `write(entry)` sends one camera's writes and gives their outcome. A
    // camera whose writes did not all succeed stays changed; without a
    // connection the rest is not tried.
    template <class Write> ConfigResult WriteChanged(Write write)
    {
        ConfigResult worst = CONFIG_DONE;
        for (auto& [index, entry] : m_entries) {
            if (!entry.changed)
                continue;
            // What was never read is not the device's: it is not written.
            if (!entry.read) {
                entry.changed = false;
                continue;
            }
            const ConfigResult result = write(entry);
            if (result == CONFIG_DONE)
                entry.changed = false;
            else
                worst = result;
            if (result == CONFIG_NO_CONNECTION)
                break;
        }
        return worst;
    }

private:
    std::map<int, Entry> m_entries; // in camera order
};
