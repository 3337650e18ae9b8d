// The live client of the DVR dialect: logs in, checks the DVR's firmware
// version, adds, changes and deletes live services and hands every frame to
// its owner, one new frame object at a time.
#pragma once

#include "stream/ferrock/DvrNetCtrlBase.h"

namespace ferrock
{

class FERROCK_EXPORT CDVrOnNetCtrl : public CDvrNetCtrlBase
{
public:
    explicit CDVrOnNetCtrl(const tagMsgHandlerInfo& owner);
    ~CDVrOnNetCtrl() override;

    BOOL AddService(const tagReqServiceParm* pParm);
    BOOL ModifyService(const tagReqServiceParm* pParm);
    BOOL DeleteService(const tagReqServiceParm* pParm);
    // The owner has used the last frame: the DVR may send the next.
    BOOL ReqNextFrame();
    BOOL RelayService(uint32_t dwValue);
    BOOL SendAudioFrame(const tagETCFRAME* pFrame);
    BOOL GetTimezone();

    bool IsNewerServer() const { return m_bNewerServer.load(); }
    bool IsExtended() const { return m_bExtended.load(); }
    uint16_t GetTimezoneWord() const { return m_wTimezone.load(); }

protected:
    std::vector<uint8_t> Marshal(const DvrRequest& request) const override;
    void UnmarshallMsg(const NET_MSG_HEADER& header, const uint8_t* body) override;

private:
    BOOL QueueService(uint16_t wId, const tagReqServiceParm* pParm);
    void OnVersionReply(const uint8_t* body, uint32_t length);

    bool m_bVersionRequest = true;
    std::atomic<bool> m_bNewerServer { false };
    std::atomic<bool> m_bExtended { false };
    std::atomic<uint16_t> m_wTimezone { 0xFFFF };
    std::atomic<uint8_t> m_byTimezone { 0 };
};

// Whether a firmware version "major.minor.patch" speaks the extended
// login (the newer servers).
FERROCK_EXPORT bool IsNewerDvrVersion(const char* versionText);

} // namespace ferrock
