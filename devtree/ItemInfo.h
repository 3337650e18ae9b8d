// CItemInfo: what one row of the tree-in-list control shows and, in the
// device tree, what it knows of its folder, device, registration server or
// group id.
#pragma once

#include "platform/base/String.h"

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

// In-place control of a cell; 1 = drop-down list.
using CONTROLTYPE = int;
constexpr CONTROLTYPE CT_COMBOBOX = 1;

constexpr uint32_t DEFAULT_CONFIG_PORT = 8405;

struct ITEM_PASSWORD {
    char szUser[16];
    uint8_t byPassword[16];
};

class CItemInfo
{
public:
    CItemInfo() = default;
    CItemInfo(const CItemInfo& other);
    CItemInfo& operator=(const CItemInfo& other);
    virtual ~CItemInfo() = default;

    void SetItemText(const CString& text) { m_strText = text; }
    const CString& GetItemText() const { return m_strText; }
    // Column k (1-based) at index k - 1; empty beyond the array.
    CString GetSubItem(int index) const;
    void AddSubItemText(const CString& text) { m_subItems.push_back(text); }
    void SetSubItemText(int index, const CString& text);
    int GetItemCount() const { return int(m_subItems.size()); }

    void SetImage(int image) { m_nImage = image; }
    int GetImage() const { return m_nImage; }
    void SetSubItemImage(int index, int image) { m_subItemImages[index] = image; }
    int GetSubItemImage(int index) const;
    void SetCheck(int check) { m_nCheck = check; }
    int GetCheck() const { return m_nCheck; }
    void SetItemColor(COLORREF color) { m_clrItem = color; }
    COLORREF GetItemColor() const { return m_clrItem; }
    void SetCellColor(int index, COLORREF color) { m_cellColors[index] = color; }
    COLORREF GetCellColor(int index) const;
    void SetControlType(int index, CONTROLTYPE type) { m_controlTypes[index] = type; }
    // -1 when the cell has no in-place control.
    CONTROLTYPE GetControlType(int index) const;
    void SetListData(int index, const std::vector<CString>& choices) { m_listData[index] = choices; }
    const std::vector<CString>* GetListData(int index) const;

    // Fixed-width texts are copied at most to their width and always
    // terminated.
    static void SetText(char* field, size_t width, const char* text);

    // The device tree's fields.
    uint32_t m_dwFamily = 0;
    uint32_t m_dwReserved = 0;
    uint32_t m_dwRecordId = 0;
    uint8_t m_bKnown = 0; // a device of "My DVR"
    uint8_t m_bOnline = 0; // answered discovery this run
    uint8_t m_bFolder = 0; // folder or registration-server node
    uint8_t m_bExpanded = 0; // folder shown open
    uint8_t m_bLookup = 0; // devices: address from a server; servers: transient
    uint8_t m_bServer = 0;
    uint8_t m_bGroupId = 0;
    char m_szServerName[48] = {};
    uint16_t m_wServerWord = 0;
    char m_szLookupHost[64] = {}; // devices: lookup host; servers: dotted address
    uint8_t m_byLookup[16] = {}; // devices: four lookup words; servers: registration id
    uint8_t m_byServerPassword[16] = {};
    char m_szKey[24] = {}; // "xx:xx:xx:xx:xx:xx" of a discovered device
    char m_szAddress[128] = {}; // host name or dotted address
    CString m_strExtra1;
    CString m_strExtra2;
    char m_szModel[16] = {};
    char m_szVersion1[32] = {};
    char m_szVersion2[32] = {};
    char m_szSerial[24] = {};
    uint32_t m_dwIpAddress = 0; // first octet in the most significant byte
    uint8_t m_byMac[6] = {};
    char m_szInfo[32] = {};
    char m_szUser[16] = {}; // empty: no saved login
    uint8_t m_byPassword[16] = {};
    ITEM_PASSWORD m_tableB[10] = {};
    ITEM_PASSWORD m_tableA[10] = {};
    uint32_t m_dwHttpPort = 0;
    uint32_t m_dwStreamPort = 0;
    uint32_t m_dwConfigPort = 0;

    // For a looked-up device: asks its registration server for its current
    // address, which becomes the address text and IPv4 number. Without an
    // answer the address text stays; `address` gets the text either way.
    bool GetAddress(CString& address);

    // The four lookup words of a device.
    uint32_t LookupWord(int i) const;
    void SetLookupWord(int i, uint32_t value);

private:
    CString m_strText;
    std::vector<CString> m_subItems;
    int m_nCheck = 0;
    int m_nImage = -1;
    std::map<int, int> m_subItemImages;
    COLORREF m_clrItem = COLORREF(-1);
    std::map<int, COLORREF> m_cellColors;
    std::map<int, CONTROLTYPE> m_controlTypes;
    std::map<int, std::vector<CString>> m_listData;
};
