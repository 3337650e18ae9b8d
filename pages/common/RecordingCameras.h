// The cameras of a recorder's recording pages: the camera list ("Cam%d"
// for analogue cameras, then "IPCam%d" for network cameras, numbered over
// all, with "Global" first on the pages that have it) and the cameras
// loaded so far, in index order, each with whether it was read and whether
// it holds a change the device has not taken yet.
#pragma once

#include "link/CameraBlocks.h"
#include "pages/common/RecorderCameras.h"
#include "platform/ui/Controls.h"

#include <map>

struct RecordingCameraCounts {
    int analogue = 0;
    int network = 0;
    BOOL networkSetup = FALSE;

    // Bounded by what a page shows.
    int Total() const;
    BOOL IsNetwork(int camera) const { return camera >= analogue; }
};

RecordingCameraCounts CountsOf(const CFG_CAMERA_COUNTS& counts);

// Empties the list and adds the entries; `global` puts "Global" first.
void FillRecordingCameraList(CListBox* pList, const RecordingCameraCounts& counts, BOOL global);

// "Network Camera setup is not enabled." when a network camera is chosen
// on a recorder that has the setup off; gives whether the choice stands.
BOOL MayChooseCamera(const RecordingCameraCounts& counts, int camera);

template <class Record> class CRecordingCameras
{
public:
    struct Node {
        bool analog = false;
        bool loaded = false;
        bool changed = false;
        int camera = 0;
        Record record {};
    };

    void Clear() { m_nodes.clear(); }
    Node* Find(int camera)
    {
        auto it = m_nodes.find(camera);
        return it == m_nodes.end() ? nullptr : &it->second;
    }
    Node& Insert(int camera, bool analog)
    {
        Node& node = m_nodes[camera];
        node.camera = camera;
        node.analog = analog;
        return node;
    }
    // The camera's node, made when missing and read again while it was
    // not read: `load` reads it and sets `loaded` when it could.
    template <class Load> Node& Take(int camera, bool analog, Load load)
    {
        Node* node = Find(camera);
        if (!node)
            node = &Insert(camera, analog);
        if (!node->loaded)
            load(*node);
        return *node;
    }
    // The node the page edits: only a camera that was read.
    Node* Loaded(int camera)
    {
        Node* node = Find(camera);
        return node && node->loaded ? node : nullptr;
    }
    // Calls `mark` with each camera that still holds a change (one the
    // device refused), so that the next Apply sends it again.
    template <class Mark> void ForEachChanged(Mark mark)
    {
        for (auto& [camera, node] : m_nodes) {
            if (node.changed)
                mark(camera);
        }
    }
    bool AnyChanged() const
    {
        for (const auto& [camera, node] : m_nodes) {
            if (node.changed)
                return true;
        }
        return false;
    }
    std::map<int, Node>& Nodes() { return m_nodes; }

private:
    std::map<int, Node> m_nodes;
};
