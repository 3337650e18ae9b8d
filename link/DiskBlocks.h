// Blocks of the device's disk.
#pragma once

#include "link/ConfigBlock.h"

#include <cstdint>

// 0x1801: disk information.
struct CFG_HDD_INFO {
    uint32_t dwStatus; // the information page shows this value
    uint32_t dwAutoDelete;
    uint32_t dwTotalKb;
    uint32_t dwFreeKb;
};

constexpr ConfigGet<CFG_HDD_INFO> GET_HDD_INFO { 0x0801, CONFIG_CRED_SIZE };

// 0x0802: the camera's disk switch and automatic deletion (the first half of
// what 0x1801 reports).
struct CFG_HDD_CONFIG {
    uint32_t dwStatus; // byte 0 (the high byte) on, byte 3 (the low byte) 0x80 = no usable disk
    uint32_t dwAutoDelete;
};
constexpr ConfigSet<CFG_HDD_CONFIG> SET_HDD_CONFIG { 0x0802, CONFIG_CRED_SIZE + 8 };
// 0x0803: formats the camera's disk; the session waits its long time-out.
constexpr ConfigBlock<CFG_NONE, CFG_NONE> FORMAT_HDD { 0x0803, CONFIG_CRED_SIZE };

// 0x110A / 0x010B: the recorder's partitions and backup reminder.
struct CFG_DISK_PARTITIONS {
    uint16_t wFlags; // 0x8000 normal, 0x4000 alarm partition; bits 8-11 the reminder
    uint8_t byDay; // weekday 0 (Monday) to 6, or day of month minus 1
    uint8_t byMinute;
    uint8_t byHour;
};
constexpr ConfigGet<CFG_DISK_PARTITIONS> GET_DISK_PARTITIONS { 0x010A, CONFIG_CRED_SIZE };
constexpr ConfigSet<CFG_DISK_PARTITIONS> SET_DISK_PARTITIONS { 0x010B, CONFIG_CRED_SIZE + 5 };

// 0x110C: the recorder's disk sizes in megabytes.
struct CFG_DISK_SIZE {
    uint8_t byUnused;
    uint32_t dwTotalMb;
    uint32_t dwFreeMb;
};
constexpr ConfigGet<CFG_DISK_SIZE> GET_DISK_SIZE { 0x010C, CONFIG_CRED_SIZE };

// 0x1322 / 0x0323: how many days back playback is blocked (list index).
struct CFG_BLOCK_PLAYBACK {
    uint8_t byIndex;
};
constexpr ConfigGet<CFG_BLOCK_PLAYBACK> GET_BLOCK_PLAYBACK { 0x0322, CONFIG_CRED_SIZE };
constexpr ConfigSet<CFG_BLOCK_PLAYBACK> SET_BLOCK_PLAYBACK { 0x0323, CONFIG_CRED_SIZE + 1 };

// 0x1342 / 0x0343: the recording mode and the disk-full warning level, whose
// percentage is (level + 1) x 5.
struct CFG_DISK_MANAGER {
    uint8_t byRecordingMode; // 0 continuous, 1 linear
    uint8_t byWarningLevel;
};
constexpr ConfigGet<CFG_DISK_MANAGER> GET_DISK_MANAGER { 0x0342, CONFIG_CRED_SIZE };
constexpr ConfigSet<CFG_DISK_MANAGER> SET_DISK_MANAGER { 0x0343, CONFIG_CRED_SIZE + 2 };
