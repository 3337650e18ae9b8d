#include "stream/ferrock/DvrRequest.h"

#include "link/ByteOrder.h"
#include "link/Md4.h"

#include <cstring>

namespace ferrock
{

namespace
{

class Writer
{
public:
    explicit Writer(uint16_t wId)
    {
        UseNetByteOrder();
        m_bytes.resize(NET_MSG_HEADER_SIZE);
        uint32_t o = 0;
        NetPutU16(m_bytes.data(), &o, wId);
    }
    void U8(uint8_t v) { Put(&v, 1); }
    void U16(uint16_t v)
    {
        uint8_t b[2];
        uint32_t o = 0;
        NetPutU16(b, &o, v);
        Put(b, 2);
    }
    void U32(uint32_t v)
    {
        uint8_t b[4];
        uint32_t o = 0;
        NetPutU32(b, &o, v);
        Put(b, 4);
    }
    void Put(const void* p, size_t n)
    {
        const size_t at = m_bytes.size();
        m_bytes.resize(at + n);
        if (n)
            std::memcpy(m_bytes.data() + at, p, n);
    }
    void Digest(const char (&field)[16])
    {
        char copy[16] = {};
        std::memcpy(copy, field, sizeof copy);
        uint8_t digest[16];
        MD4Digest(reinterpret_cast<const uint8_t*>(copy), sizeof copy, digest);
        Put(digest, sizeof digest);
    }
    void CredentialPair(const UserInfoParm& c)
    {
        Digest(c.user);
        Digest(c.password);
    }
    std::vector<uint8_t> Finish()
    {
        uint32_t o = 2;
        NetPutU16(m_bytes.data(), &o, 0);
        NetPutU32(m_bytes.data(), &o, static_cast<uint32_t>(m_bytes.size() - NET_MSG_HEADER_SIZE));
        return std::move(m_bytes);
    }

private:
    std::vector<uint8_t> m_bytes;
};

void PasswordChange(Writer& w, const DvrRequest& r)
{
    w.CredentialPair(r.credentials);
    w.Put(r.newPassword, sizeof r.newPassword);
}

} // namespace

void UseNetByteOrder()
{
    static const bool done = [] {
        InitNetByteOrder();
        return true;
    }();
    (void)done;
}

void CopyCredentialField(char (&field)[16], const char* text)
{
    std::memset(field, 0, sizeof field);
    if (!text)
        return;
    for (size_t i = 0; i < sizeof field && text[i]; ++i)
        field[i] = text[i];
}

void SetServiceMsg(DvrRequest& request, uint16_t wId, const tagReqServiceParm& parm)
{
    request.wId = wId;
    request.dwMode = parm.dwMode;
    request.services.clear();
    for (uint32_t i = 0; parm.pEntries && i < parm.dwCount; ++i) {
        ServiceSlot slot;
        slot.wService = parm.pEntries[i].wService;
        if (parm.dwMode == 0) {
            slot.wParmLength = 12;
            if (parm.pEntries[i].pParm)
                slot.parm = *parm.pEntries[i].pParm;
        }
        request.services.push_back(slot);
    }
}

std::vector<uint8_t> MarshalLiveRequest(const DvrRequest& r)
{
    Writer w(r.wId);
    switch (r.wId) {
    case kReqVersion:
    case kReqContentList:
    case kReqLogin:
    case kReqChannelNames:
        w.CredentialPair(r.credentials);
        break;
    case kReqLogout:
    case 0x2009:
    case kReqKeepAlive:
    case kReqTimezone:
    case kReqExtended:
        break;
    case kReqChangePassword:
        PasswordChange(w, r);
        break;
    case kReqRelay:
        w.U32(r.dwValue[0]);
        break;
    case kReqAddService:
    case kReqModifyService:
    case kReqDeleteService:
        w.U32(static_cast<uint32_t>(r.services.size()));
        for (const ServiceSlot& s : r.services) {
            w.U16(s.wService);
            w.U16(s.wParmLength);
            if (r.dwMode == 0) {
                w.U8(s.parm.by0);
                w.U8(s.parm.by1);
                w.U8(s.parm.by2);
                w.U8(s.parm.by3);
                w.U32(s.parm.dw0);
                w.U32(s.parm.dw1);
            }
        }
        break;
    case kReqAudioOut:
        w.U16(0x10FF);
        w.U16(1);
        w.U32(0);
        w.U16(0x10FF);
        w.U8(0);
        w.U8(0);
        w.U32(r.dwFrameWord[0]);
        w.U32(r.dwFrameWord[1]);
        w.U32(static_cast<uint32_t>(r.data.size()));
        w.Put(r.data.data(), r.data.size());
        break;
    case kReqFrameAck:
        w.U16(static_cast<uint16_t>(r.dwValue[0]));
        break;
    default:
        return {};
    }
    return w.Finish();
}

std::vector<uint8_t> MarshalPlaybackRequest(const DvrRequest& r)
{
    Writer w(r.wId);
    switch (r.wId) {
    case kPbLogin:
        w.CredentialPair(r.credentials);
        break;
    case kPbVersion:
    case kPbLogout:
    case kPbHddStatus:
    case kPbContentList:
    case kPbKeepAlive:
    case kPbFuncPerms:
        break;
    case kPbChangePassword:
        PasswordChange(w, r);
        break;
    case kPbDelFiles:
    case kPbLog:
    case kPbRegionSize:
        w.U32(r.dwValue[0]);
        w.U32(r.dwValue[1]);
        break;
    case kPbPlayCtrl:
        for (uint32_t v : r.dwCtrl)
            w.U32(v);
        w.U32(static_cast<uint32_t>(r.data.size()));
        w.Put(r.data.data(), r.data.size());
        break;
    default:
        return {};
    }
    return w.Finish();
}

} // namespace ferrock
