#include "pages/common/DiskShare.h"

#include <algorithm>
#include <cmath>

namespace
{

constexpr uint32_t kKbPerMb = 1024;

DiskShare Share(int32_t totalMB, int32_t freeMB)
{
    DiskShare share;
    share.nTotalMB = totalMB;
    share.nFreeMB = freeMB;
    share.nUsedMB = std::max<int32_t>(totalMB - freeMB, 0);
    share.dUsedPercent = DiskUsedPercent(totalMB, freeMB);
    return share;
}

} // namespace

double DiskUsedPercent(int32_t totalMB, int32_t freeMB)
{
    // A disk of no size (or one under a megabyte) has no share to show.
    if (totalMB <= 0)
        return 0;
    const double used = 100.0 - double(std::clamp(freeMB, 0, totalMB)) / totalMB * 100.0;
    return std::trunc(std::clamp(used, 0.0, 100.0));
}

DiskShare DiskShareFromKb(uint32_t totalKb, uint32_t freeKb, bool keepReserve)
{
    uint64_t total = totalKb;
    const uint64_t free = std::min<uint64_t>(freeKb, total);
    if (keepReserve) {
        const uint64_t reserve = uint64_t(std::floor(double(total) * 0.01)) & ~uint64_t(63);
        total -= reserve;
    }
    return Share(int32_t(total / kKbPerMb), int32_t(free / kKbPerMb));
}

DiskShare DiskShareFromMb(uint32_t totalMb, uint32_t freeMb)
{
    return Share(int32_t(totalMb), int32_t(freeMb));
}
