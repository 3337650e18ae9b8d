// How full a disk is, as the disk pages show it: the sizes in megabytes from
// what the device reports, the used share in whole percent, and where the
// used sector of the pie ends.
#pragma once

#include <cstdint>

struct DiskShare {
    int32_t nTotalMB = 0;
    int32_t nUsedMB = 0;
    int32_t nFreeMB = 0;
    // Used share 0 to 100, rounded towards zero; 0 for a disk of no size.
    double dUsedPercent = 0;
};

// A camera's disk, reported in kilobytes. Unless `keepReserve` is false the
// device keeps 1 % of the disk (in whole 64-KB steps) for itself, which is
// not offered as space. A free size above the total counts as the total.
DiskShare DiskShareFromKb(uint32_t totalKb, uint32_t freeKb, bool keepReserve);
// A recorder's disk, reported in megabytes.
DiskShare DiskShareFromMb(uint32_t totalMb, uint32_t freeMb);
// The used share of whole megabytes: 0 when the total is 0 or less.
double DiskUsedPercent(int32_t totalMB, int32_t freeMB);
