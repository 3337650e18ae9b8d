// The owner window of a stream client in the tests: records what the client
// posts and frees the frames it is handed, as a viewer does.
#pragma once

#include "platform/msg/WndBase.h"
#include "stream/ferrock/DVrPBNetCtrl.h"
#include "stream/ferrock/FerrockTypes.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

struct PostedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

struct ReceivedFrame {
    int kind = 0;
    std::unique_ptr<ferrock::tagVIDEOFRAME> video; // a copy of a video frame's fields and payload
    uint32_t etcLength = 0;
};

class FerrockOwner : public CWndBase
{
public:
    FerrockOwner();
    ~FerrockOwner() override;

    std::vector<PostedMessage> posted;
    std::vector<ReceivedFrame> frames;
    // Copies of the last records handed over.
    ferrock::tagPBVersion version {};
    ferrock::tagPBDiskStatus disk {};
    size_t contents = 0; // contents of the last list
    std::vector<std::string> ptzNames; // presets, then tours
    // Called after each frame or status that came as WM_STREAM_FRAME.
    std::function<void()> onFrame;

    size_t Count(UINT message, WPARAM wParam) const;
    size_t Count(UINT message) const;
    bool WaitFor(const std::function<bool()>& done, DWORD ms = 10000);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
