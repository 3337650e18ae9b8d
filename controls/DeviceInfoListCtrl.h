// CDeviceInfoListCtrl: the login bar's two-column list of the seven basic
// facts of the device selected in the tree, before any login.
#pragma once

#include "link/CurrentDevice.h"
#include "platform/ui/ListCtrl.h"

constexpr int DEVICE_INFO_ROWS = 7;

class CDeviceInfoListCtrl : public CListCtrl
{
public:
    // The two columns and seven rows with empty values.
    void InitColumns();
    // Empties the value of every row.
    void Clear();
    void ShowDevice(const SELECTED_DEVICE& device);
};
