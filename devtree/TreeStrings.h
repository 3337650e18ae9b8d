// String-table ids of the device tree's texts.
#pragma once

#include "platform/base/String.h"

constexpr UINT IDS_ROOT_MY_DVR = 61692;
constexpr UINT IDS_ROOT_LOCAL_DVR = 61693;
constexpr UINT IDS_ROOT_SERVER = 61597;
constexpr UINT IDS_DVR_EXISTS = 61819;
constexpr UINT IDS_GROUP_ID_EXISTS = 61453;
constexpr UINT IDS_SERVER_EXISTS = 61454;

inline CString TreeString(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}
