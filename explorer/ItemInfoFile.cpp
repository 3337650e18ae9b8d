// The tree-file operations of a row: reading and patching the first record
// that matches it, and the conversions between rows and records.
#include "explorer/ItemInfo.h"

#include "explorer/TreeFile.h"
#include "explorer/TreeFilePaths.h"
#include "link/BitConverters.h"

#include <cstdio>
#include <cstring>

namespace morrik
{

namespace
{

// The first device record that matches the row: serial, MAC, else the
// address text alone; -1 when none.
long FindRow(TreeFileImage& image, const CItemInfo& row)
{
    const RowIdentity identity = row.Identity();
    return image.Find([&](const uint8_t* record) {
        char address[128];
        RecordAddress(record, address);
        return !IsFolderRecord(record) && CompareDVR(RecordItemType(record), address, 0, identity, false);
    });
}

// Patches the first matching record of the tree's file and saves it. False
// when the row is not in the file, the file cannot be read, nothing matches
// or the save fails.
template <class Patch> bool WithRecord(const CItemInfo& row, int tree, Patch patch)
{
    if (!row.m_bInFile)
        return false;
    TreeFileImage image;
    if (!image.Open(TreeFilePath(tree)))
        return false;
    const long found = FindRow(image, row);
    if (found < 0)
        return false;
    patch(image.Record(size_t(found)));
    return image.Save();
}

uint32_t AccountOffset(int kind)
{
    return kind == 0 ? TreeOffset::Login : kind == 1 ? TreeOffset::Service1 : TreeOffset::Service2;
}

CString FieldText(const char* field, size_t width)
{
    return CString(field, int(strnlen(field, width)));
}

} // namespace

bool CItemInfo::GetPasswd(int kind, const CString& user, CString& out)
{
    TreeFileImage image;
    if (!m_bInFile || !image.Open(TreeFilePath(m_nTreeNo)))
        return false;
    out = "";
    const long found = FindRow(image, *this);
    if (found < 0 || kind < 0 || kind > 2)
        return false;
    const uint8_t* record = image.Record(size_t(found));
    const uint8_t* entry = record + AccountOffset(kind);
    if (FieldText(reinterpret_cast<const char*>(entry), 16) != user)
        return false;
    uint8_t password[16];
    std::memcpy(password, entry + 16, 16);
    ScrambleWithMac(password, record + TreeOffset::Mac);
    out = FieldText(reinterpret_cast<const char*>(password), 16);
    return true;
}

void CItemInfo::SetPasswd(int kind, const BYTE* user, const BYTE* password)
{
    m_nTreeNo = 2;
    ACCOUNT_ENTRY* entry = kind == 0 ? &m_login
        : kind == 1                  ? &m_service1[0]
        : kind == 2                  ? &m_service2[0]
                                     : nullptr;
    if (!entry)
        return;
    std::memcpy(entry->szUser, user, 16);
    std::memcpy(entry->byPassword, password, 16);
    WithRecord(*this, 2, [&](uint8_t* record) {
        uint8_t scrambled[16];
        std::memcpy(scrambled, password, 16);
        ScrambleWithMac(scrambled, m_byMac);
        std::memcpy(record + AccountOffset(kind), user, 16);
        std::memcpy(record + AccountOffset(kind) + 16, scrambled, 16);
    });
}

bool CItemInfo::SetPortNo(int kind, int port)
{
    if (kind != 1 && kind != 2)
        return false;
    return WithRecord(*this, m_nTreeNo, [&](uint8_t* record) {
        PutLE32(uint32_t(port), record + (kind == 1 ? TreeOffset::Service1Port : TreeOffset::Service2Port));
    });
}

bool CItemInfo::SetFile(const BYTE*, const BYTE* text, UINT)
{
    return WithRecord(*this, m_nTreeNo, [&](uint8_t* record) {
        const size_t n = strnlen(reinterpret_cast<const char*>(text), TreeOffset::AddressWritten);
        std::memset(record + TreeOffset::Address, 0, TreeOffset::AddressWritten);
        std::memcpy(record + TreeOffset::Address, text, n);
    });
}

namespace
{

void PutLookup(uint8_t* record, const CItemInfo& row)
{
    std::memset(record + TreeOffset::LookupServer, 0, 64);
    std::memcpy(record + TreeOffset::LookupServer, row.m_szLookupServer, strnlen(row.m_szLookupServer, 63));
    std::memcpy(record + TreeOffset::GroupId, row.m_byGroupId, 16);
}

} // namespace

bool CItemInfo::SetIp(int tree)
{
    return WithRecord(*this, tree, [&](uint8_t* record) {
        PutLE32(m_dwIp, record + TreeOffset::Ip);
        PutLookup(record, *this);
    });
}

bool CItemInfo::SetYem(int tree)
{
    return WithRecord(*this, tree, [&](uint8_t* record) {
        record[TreeOffset::Lookup] = m_bLookup;
        PutLookup(record, *this);
    });
}

CString DottedIp(uint32_t ip)
{
    char text[16];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", ip >> 24, (ip >> 16) & 255, (ip >> 8) & 255, ip & 255);
    return text;
}

void PutData(CItemInfo* row, const FILE_NODE& node)
{
    row->m_bLookup = node.bLookup;
    std::memcpy(row->m_szLookupServer, node.szLookupServer, sizeof row->m_szLookupServer);
    std::memcpy(row->m_byGroupId, node.byGroupId, 16);
    std::memcpy(row->m_byGroupRest, node.byGroupRest, 16);
    std::memcpy(row->m_szAddress, node.szAddress, sizeof row->m_szAddress);
    row->SetItemText(FieldText(node.szName, sizeof node.szName));
    row->SetSubItemText(0, FieldText(node.item.szSerial, 24));
    row->SetSubItemText(1, node.szAddress[0] ? FieldText(node.szAddress, 128) : DottedIp(node.item.dwIp));
    char mac[18];
    FormatMac(node.item.byMac, mac);
    row->SetSubItemText(2, mac);
    row->m_dwIp = node.item.dwIp;
    std::memcpy(row->m_byMac, node.item.byMac, 6);
    std::memcpy(row->m_szSerial, node.item.szSerial, 24);
    row->m_login = node.login;
    std::memcpy(row->m_service1, node.service1, sizeof row->m_service1);
    std::memcpy(row->m_service2, node.service2, sizeof row->m_service2);
    row->m_dwConfigPort = node.dwConfigPort;
    row->m_dwService1Port = node.dwService1Port;
    row->m_dwService2Port = node.dwService2Port;
    CutText(row->m_szAddress, DottedIp(node.item.dwIp).GetString());
    row->m_dwRecordNo = node.dwNo;
    row->m_wKept = node.wKept;
    row->m_bFolder = node.bFolder != 0;
    row->m_bInFile = true;
}

void FillFileNode(const CItemInfo& row, FILE_NODE* node)
{
    CutText(node->szName, row.GetItemText().GetString());
    node->wKept = row.m_wKept;
    node->bFolder = row.m_bFolder ? 1 : 0;
    node->bLookup = row.m_bLookup;
    std::memcpy(node->szLookupServer, row.m_szLookupServer, sizeof node->szLookupServer);
    node->szLookupServer[63] = 0;
    std::memcpy(node->byGroupId, row.m_byGroupId, 16);
    std::memcpy(node->szAddress, row.m_szAddress, sizeof node->szAddress);
    node->szAddress[127] = 0;
    if (row.m_bFolder)
        return;
    std::memcpy(node->szModel, row.m_szModel, sizeof node->szModel);
    std::memcpy(node->szVersion2, row.m_szVersion2, sizeof node->szVersion2);
    std::memcpy(node->item.szSerial, row.m_szSerial, 24);
    node->item.dwIp = row.m_dwIp;
    std::memcpy(node->item.byMac, row.m_byMac, 6);
    node->login = row.m_login;
    std::memcpy(node->service1, row.m_service1, sizeof node->service1);
    std::memcpy(node->service2, row.m_service2, sizeof node->service2);
    node->dwConfigPort = row.m_dwConfigPort;
    node->dwService1Port = row.m_dwService1Port;
    node->dwService2Port = row.m_dwService2Port;
}

} // namespace morrik
