#include "stream/ferrock/FrameParser.h"

#include "link/ByteOrder.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace ferrock
{

namespace
{

// Bytes of a sub-frame after its tag: video byte, byte, three words and the
// payload length; the others byte, byte, two words and the data length.
constexpr size_t kVideoSubHeader = 2 + 4 + 4 + 4 + 4;
constexpr size_t kEtcSubHeader = 2 + 4 + 4 + 4;

uint32_t LittleWord(const uint8_t* payload, uint32_t length, uint32_t at)
{
    if (length < at + 4)
        return 0;
    return uint32_t(payload[at]) | uint32_t(payload[at + 1]) << 8 | uint32_t(payload[at + 2]) << 16
        | uint32_t(payload[at + 3]) << 24;
}

bool IsKnownKind(int kind)
{
    return kind == kFrameVideo || kind == kFrameAudio || kind == kFrameText || kind == kFrameLog;
}

} // namespace

void ReadVideoFlags(tagVIDEOFRAME& f)
{
    f.dwPayloadWord = LittleWord(f.payload, f.dwLength, 8);
    const uint32_t flag = LittleWord(f.payload, f.dwLength, 12);
    const uint32_t flag2 = LittleWord(f.payload, f.dwLength, 16);
    f.dwFlagLow = flag & 0xFFFF;
    // Three bits: codes 0 to 3 are the field sizes, 4 the full frame.
    f.byResolution = static_cast<uint8_t>((flag >> 16) & 7);
    f.byFlag2Low = static_cast<uint8_t>(flag2 & 0x1F);
    f.bNtsc = (flag & (1u << 19)) == 0;
    f.bFlagBit22 = (flag >> 22) & 1;
    f.bFlagBit23 = (flag >> 23) & 1;
    f.bRotate = ((flag >> 24) & 3) == 2;
    f.bFlagBit26 = (flag >> 26) & 1;
    f.bNoDraw = (flag2 >> 5) & 1;
    f.bFlag2Bit6Clear = (flag2 & 0x40) == 0;
    f.bFlag2Bit7Clear = (flag2 & 0x80) == 0;
    f.nFlag2Bits8to15 = static_cast<int>((flag2 >> 8) & 0xFF);
    f.wFlag2High = static_cast<uint16_t>(flag2 >> 16);
}

size_t ParseFrameMessage(
    const uint8_t* body, size_t size, uint16_t wStatus, FrameDialect dialect, FrameSink& sink)
{
    const bool live = dialect == FrameDialect::Live;
    if (wStatus != 0 && (!live || wStatus != kStatusNoFrame)) {
        sink.Deliver(wStatus, nullptr);
        return 0;
    }
    WireReader in(body, size);
    const uint16_t info = in.U16();
    const uint16_t count = in.U16();
    in.U32();
    if (in.Short())
        return 0;
    if (wStatus == kStatusNoFrame && count == 0) {
        sink.Deliver(kStatusNoFrame, nullptr);
        return 0;
    }
    int kind = info >> 10;
    const uint8_t infoLow = static_cast<uint8_t>(info & 0xFF);
    const int infoBit9 = (info >> 9) & 1;
    size_t fitted = 0;
    for (uint16_t i = 0; i < count && IsKnownKind(kind); ++i) {
        if (in.Remaining() < 2)
            break;
        const uint16_t tag = in.U16();
        int deliverKind = kind;
        void* frame = nullptr;
        if (kind == kFrameVideo) {
            if (in.Remaining() < kVideoSubHeader)
                break;
            auto f = std::make_unique<tagVIDEOFRAME>();
            f->nKind = kFrameVideo;
            f->byInfoLow = infoLow;
            f->nInfoBit9 = infoBit9;
            f->bySub0 = in.U8();
            f->bySub1 = in.U8();
            f->dwSubWord0 = in.U32();
            f->dwSubWord1 = in.U32();
            f->dwTime = in.U32() / 1000;
            const uint32_t length = in.U32();
            if (length > in.Remaining())
                break;
            f->dwLength = std::min(length, kVideoPayloadRoom);
            std::memcpy(f->payload, body + in.Offset(), f->dwLength);
            in.Skip(length);
            ReadVideoFlags(*f);
            frame = f.release();
            if (wStatus == kStatusNoFrame) {
                // The last frame of the service: delivered as such, and the
                // message ends after it.
                deliverKind = kFrameVideoLast;
                kind = kFrameVideoLast;
            }
        } else {
            if (in.Remaining() < kEtcSubHeader)
                break;
            auto f = std::make_unique<tagETCFRAME>();
            f->nKind = kind;
            f->byInfoLow = infoLow;
            f->nInfoBit9 = infoBit9;
            f->bySub0 = in.U8();
            const uint8_t second = in.U8();
            if (!live && kind == kFrameLog)
                f->bySub1 = second;
            f->dwValue0 = in.U32();
            f->dwValue1 = in.U32();
            const uint32_t length = in.U32();
            if (length > in.Remaining())
                break;
            f->dwLength = std::min(length, kEtcDataRoom);
            std::memcpy(f->data, body + in.Offset(), f->dwLength);
            in.Skip(length);
            frame = f.release();
        }
        ++fitted;
        if (tag == info)
            sink.Deliver(static_cast<uint16_t>(deliverKind), frame);
        else
            FreeStreamFrame(deliverKind, frame);
    }
    return fitted;
}

void FreeStreamFrame(int nKind, void* pFrame)
{
    if (!pFrame)
        return;
    if (nKind == kFrameVideo || nKind == kFrameVideoLast)
        delete static_cast<tagVIDEOFRAME*>(pFrame);
    else
        delete static_cast<tagETCFRAME*>(pFrame);
}

} // namespace ferrock
