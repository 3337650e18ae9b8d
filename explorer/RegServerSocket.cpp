#include "explorer/RegServerSocket.h"

#include "platform/msg/WndBase.h"

#include <cstdlib>
#include <cstring>

namespace morrik
{

namespace
{

void FreeNode(WPARAM node, LPARAM)
{
    std::free(reinterpret_cast<void*>(node));
}

} // namespace

void MakeDatagramNode(const ::ZPT_NODE& from, const RegServerRecord& record, ZPT_NODE* node)
{
    std::memset(node, 0, sizeof(*node));
    std::memcpy(node->szServer, from.szServer, sizeof(node->szServer));
    CopyRecordToNode(node, record);
    UpperCaseText(node->szMac, sizeof(node->szMac));
    node->dwIp = uint32_t(from.byAddress[0]) << 24 | uint32_t(from.byAddress[1]) << 16
        | uint32_t(from.byAddress[2]) << 8 | from.byAddress[3];
    node->dwPort = record.dwNumber4;
    std::memcpy(node->byMac, from.byMac, sizeof(node->byMac));
}

CRegServerSocket::CRegServerSocket() = default;

CRegServerSocket::~CRegServerSocket() = default;

void CRegServerSocket::Attach(CWndBase* pOwner)
{
    m_pOwner = pOwner;
    Reset(this);
}

void CRegServerSocket::OnRegServerRecord(::ZPT_NODE* pNode)
{
    HWND window = m_pOwner ? m_pOwner->GetSafeHwnd() : nullptr;
    if (!window)
        return;
    auto* node = static_cast<ZPT_NODE*>(std::malloc(sizeof(ZPT_NODE)));
    if (!node)
        return;
    MakeDatagramNode(*pNode, m_record, node);
    // The owner frees the node; a node that never reaches it is freed here.
    ::PostMessageOwning(window, WM_REGSERVER_RECORD, WPARAM(node), 0, &FreeNode);
}

} // namespace morrik
