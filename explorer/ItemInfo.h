// CItemInfo: the data of one row of the tree-grid. The texts, per-column
// editors, choice lists, images and colours of the row, and what the
// device tree keeps of a folder, device, channel, registration server or
// group id.
#pragma once

#include "explorer/TreeFileRecords.h"
#include "morrikExport.h"
#include "platform/base/String.h"
#include "platform/base/Types.h"

#include <cstdint>
#include <map>
#include <vector>

namespace morrik
{

// The choices of a drop-down cell.
using CStringList = std::vector<CString>;

// The order of the per-column maps: a type of the library's own, so that
// the maps' code stays inside the library instead of being exported.
struct ColumnOrder {
    bool operator()(int a, int b) const { return a < b; }
};

// How a cell other than the first is edited in place.
enum CONTROLTYPE { edit = 0, combobox = 1 };

class MORRIK_EXPORT CItemInfo
{
public:
    CItemInfo() = default;
    CItemInfo(const CItemInfo&) = delete;
    CItemInfo& operator=(const CItemInfo&) = delete;
    ~CItemInfo() = default;

    void SetItemText(const CString& text) { m_strItemName = text; }
    void SetItemText(const CString& text, COLORREF color);
    const CString& GetItemText() const { return m_strItemName; }
    void AddSubItemText(const CString& text) { m_SubItems.push_back(text); }
    void AddSubItemText(const CString& text, COLORREF color);
    // Sub-item i is the text of column i + 1; the array grows to reach it.
    void SetSubItemText(int i, const CString& text);
    void SetSubItemText(int i, const CString& text, COLORREF color);
    void SetSubItemText(int i, const CString& text, int image);
    // "" beyond the array.
    CString GetSubItem(int i) const;
    int GetItemCount() const { return int(m_SubItems.size()); }

    void SetControlType(CONTROLTYPE type, int i);
    // FALSE and type 0 when column i has no entry.
    BOOL GetControlType(int i, CONTROLTYPE& type) const;
    // Keeps a copy of the choices for column i.
    void SetListData(int i, const CStringList* list);
    BOOL GetListData(int i, const CStringList*& list) const;

    void SetCheck(int check) { m_bCheck = check; }
    int GetCheck() const { return m_bCheck; }
    void SetImage(int image) { m_iImage = image; }
    int GetImage() const { return m_iImage; }
    void SetSubItemImage(int i, int image);
    // -1 when column i has no image.
    int GetSubItemImage(int i) const;
    COLORREF GetItemClr() const { return m_clf; }
    // -1 when column i has no colour.
    COLORREF GetBkColor(int i) const;
    void SetFolder(bool folder) { m_bFolder = folder; }

    // A full copy; a container row leaves this row's device data (address,
    // ports, accounts, discovery fields) as it was.
    void CopyObjects(const CItemInfo* src);
    void CopySubItemImageList(const CItemInfo* src);
    void CopyControls(const CItemInfo* src);
    void CopyColors(const CItemInfo* src);

    // The identity by which tree-file records are matched with the row.
    RowIdentity Identity() const;

    // The tree-file operations of a row (each works only when the row is in
    // the file).
    // Kind 0: the login entry, 1 and 2: the first entry of the service-1 and
    // service-2 lists. True with the password when the user name is the
    // record's; out = "" when it is not.
    bool GetPasswd(int kind, const CString& user, CString& out);
    // Stores the user and password in the row and in the first matching
    // record of tree 2.
    void SetPasswd(int kind, const BYTE* user, const BYTE* password);
    void GetPortNo(int kind, int* out) const;
    bool SetPortNo(int kind, int port);
    // The first 24 bytes of `text` become the record's address text.
    bool SetFile(const BYTE* mac, const BYTE* text, UINT ip);
    bool SetIp(int tree);
    bool SetYem(int tree);
    // For a row whose address is looked up: asks the row's registration
    // server for the device's current address by the row's MAC (as its
    // "xx:xx:xx:xx:xx:xx" text, kept in the row) and serial; the row's
    // address text and IPv4 and the record's address text take the answer.
    // False, with the address unchanged, when the login fails or no address
    // comes. `text` is not used.
    bool GetAddress(BYTE* text);

    // Row text and sub-items.
    uint32_t m_lParam = 0; // a value copied with the row
    CString m_strName; // the name it was inserted with; empty: the row text
    CString m_strExtra;

    // What the device tree keeps per row.
    bool m_bFolder = false; // container: root or folder
    bool m_bOnline = false;
    bool m_bInFile = false;
    int m_nChannel = 0; // 0: not a channel row
    bool m_bExpanded = false;
    uint8_t m_bLookup = 0; // address looked up on a registration server
    uint8_t m_bYemFolder = 0; // registration server
    uint8_t m_bGroupFolder = 0; // group id
    int m_nTreeNo = 0;
    uint32_t m_dwRecordNo = 0; // number of the record the row was built from
    uint16_t m_wKept = 0;

    // Discovery fields.
    char m_szModel[16] = {};
    char m_szVersion1[32] = {};
    char m_szVersion2[32] = {};
    char m_szSerial[24] = {};
    uint32_t m_dwIp = 0; // first octet in the most significant byte
    uint8_t m_byMac[6] = {};
    char m_szText[32] = {};

    char m_szLookupServer[64] = {};
    uint8_t m_byGroupId[16] = {}; // lookup group id text
    uint8_t m_byGroupRest[16] = {};
    char m_szLookupText2[64] = {}; // second lookup text
    char m_szMacText[24] = {};
    char m_szAddress[128] = {};
    ACCOUNT_ENTRY m_login = {};
    ACCOUNT_ENTRY m_service1[ACCOUNT_COUNT] = {};
    ACCOUNT_ENTRY m_service2[ACCOUNT_COUNT] = {};
    uint32_t m_dwConfigPort = 0;
    uint32_t m_dwService1Port = 0;
    uint32_t m_dwService2Port = 0;

private:
    CString m_strItemName;
    std::vector<CString> m_SubItems;
    std::map<int, CONTROLTYPE, ColumnOrder> m_controlType;
    std::map<int, COLORREF, ColumnOrder> m_colors;
    std::map<int, CStringList, ColumnOrder> m_listdata;
    std::map<int, int, ColumnOrder> m_subItemImages;
    int m_bCheck = 0;
    int m_iImage = -1;
    COLORREF m_clf = COLORREF(-1);
};

} // namespace morrik

namespace morrik
{

// A row from a record as the reader gives it (passwords plain): lookup data,
// address text, row text, the sub-items serial, address (or the dotted
// IPv4) and MAC text, key, accounts and ports; the row is then in the file
// and its address text is the dotted IPv4.
MORRIK_EXPORT void PutData(CItemInfo* row, const FILE_NODE& node);
// A record from a row, as the writer's list builder fills it (numbers
// aside): name, folder and lookup data, address text and, for a device,
// the discovery texts, key, accounts and ports.
MORRIK_EXPORT void FillFileNode(const CItemInfo& row, FILE_NODE* node);
// "%u.%u.%u.%u" of an address whose first octet is most significant.
MORRIK_EXPORT CString DottedIp(uint32_t ip);

} // namespace morrik
