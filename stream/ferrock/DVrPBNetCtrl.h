// The playback client of the DVR dialect: logs in to the DVR's playback
// service, asks for disk status, contents, logs and recorded-region sizes,
// deletes recordings by time, controls playback and hands the played-back
// frames to its owner as the live client does.
#pragma once

#include "stream/ferrock/DvrNetCtrlBase.h"

namespace ferrock
{

// The records of the playback replies; the receiver frees each with delete.
struct tagPBVersion {
    char text1[32];
    char text2[32];
};
struct tagPBDiskStatus {
    uint32_t dwValue[8]; // six values at words 0, 1, 2, 4, 6, 7
};

class FERROCK_EXPORT CDVrPBNetCtrl : public CDvrNetCtrlBase
{
public:
    explicit CDVrPBNetCtrl(const tagMsgHandlerInfo& owner);
    ~CDVrPBNetCtrl() override;

    void ReqVersion();
    void ReqHddStatus();
    void ReqContentList();
    void ReqLog(long from, long to);
    void DelFilesTime(long from, long to);
    void ReqRegionSize(long from, long to);
    void PBPlayCtrl(const tagPBCtrlParm* pParm);
    void ReqGetFuncPerms();

protected:
    std::vector<uint8_t> Marshal(const DvrRequest& request) const override;
    void UnmarshallMsg(const NET_MSG_HEADER& header, const uint8_t* body) override;

private:
    // Queues a request when connected and logged in.
    void QueueLoggedIn(std::unique_ptr<DvrRequest> request);
    void QueueRange(uint16_t wId, long from, long to);
    void Acknowledge(const NET_MSG_HEADER& header);
};

} // namespace ferrock
