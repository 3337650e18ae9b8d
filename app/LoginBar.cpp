#include "app/LoginBar.h"

#include <cctype>

const int kLoginBarIds[12]
    = { IDC_USER_NAME_LABEL, IDC_USER_NAME, IDC_PASSWORD_LABEL, IDC_PASSWORD, IDC_PORT_LABEL, IDC_PORT,
          IDC_SAVE_PASSWORD, IDC_CHANGE_IP, IDC_DEVICE_ADDRESS, IDC_LOGIN, IDC_EXIT, IDC_LOGIN_HIDDEN };

LoginBarLayout LayoutLoginBar(int width, int height)
{
    const int cx = width / 2;
    const int y = 3 * height / 8 + height / 4;
    return { { {
        { IDC_USER_NAME_LABEL, cx - 136, y - 95, 110, 20 },
        { IDC_USER_NAME, cx - 20, y - 100, 190, 25 },
        { IDC_PASSWORD_LABEL, cx - 131, y - 60, 80, 20 },
        { IDC_PASSWORD, cx - 20, y - 65, 190, 25 },
        { IDC_PORT_LABEL, cx - 94, y - 25, 50, 20 },
        { IDC_PORT, cx - 20, y - 30, 190, 25 },
        { IDC_SAVE_PASSWORD, cx - 20, y + 5, 190, 25 },
        { IDC_CHANGE_IP, cx - 140, y + 40, 105, 25 },
        { IDC_DEVICE_ADDRESS, cx - 20, y + 40, 190, 25 },
        { IDC_LOGIN, cx - 140, height - 65, 120, 30 },
        { IDC_EXIT, cx + 15, height - 65, 120, 30 },
        { IDC_LOGIN_HIDDEN, 0, 0, 0, 0 },
    } } };
}

BOOL ParsePortText(const char* text, DWORD* pPort)
{
    DWORD value = 0;
    for (const char* p = text ? text : ""; *p; ++p) {
        if (!std::isdigit(static_cast<unsigned char>(*p)))
            return FALSE;
        value = value * 10 + DWORD(*p - '0');
        if (value > 65535)
            return FALSE;
    }
    if (value < 1)
        return FALSE;
    *pPort = value;
    return TRUE;
}
