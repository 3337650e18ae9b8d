#include "pages/Page5Chnl.h"

#include "dialogs/PtzSetupDlg.h"
#include "link/CurrentDevice.h"

#include <algorithm>
#include <iterator>

namespace
{

constexpr int kTreeX = 15, kTreeY = 15, kTreeWidth = 170, kTreeHeight = 450;
constexpr int kListX = 190, kListY = 15, kListWidth = 335, kListHeight = 450;

uint32_t Family()
{
    return g_CurrentDevice.dwFamily;
}

CString Load(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}

} // namespace

BEGIN_MESSAGE_MAP(CPage5Chnl, CConfigPage)
ON_MESSAGE(WM_CHECK_TREE_NOTIFY, OnTreeNotify)
END_MESSAGE_MAP()

CPage5Chnl::CPage5Chnl()
    : CConfigPage(IDD_PAGE5_CHNL, SLOT_COUNT)
{
    DeclareGroups(GROUP_COUNT);
}

CPage5Chnl::~CPage5Chnl() = default;

void CPage5Chnl::SetConfigView(IConfigPageHost* pView)
{
    CConfigPage::SetConfigView(pView);
    CFG_CHANNEL_CONFIG block;
    if (ReadBlock(GET_CHANNEL_CONFIG, &block))
        CommittedChannels(block, m_bCommitted);
}

int CPage5Chnl::ChannelItems() const
{
    switch (Family()) {
    case 1:
    case 3:
        return 4;
    case 2:
        return 2;
    default:
        return 5;
    }
}

int CPage5Chnl::DeviceItems() const
{
    switch (Family()) {
    case 0:
        return 3;
    case 1:
        return 6;
    case 3:
        return 8;
    default:
        return 0;
    }
}

int CPage5Chnl::EntryOfItem(int item) const
{
    // The video server's channel 1 is its external input.
    return Family() == 3 ? item + 1 : item;
}

ExtDeviceLayout CPage5Chnl::DeviceLayout() const
{
    switch (Family()) {
    case 0:
        return EXT_ONE_PER_BYTE;
    case 1:
        return EXT_THREE_CHANNEL_OPTION;
    case 3:
        return EXT_MASKS;
    default:
        return EXT_NONE;
    }
}

BOOL CPage5Chnl::OnInitDialog()
{
    CConfigPage::OnInitDialog();
    if (!m_pTree) {
        m_pTree = std::make_unique<CCheckTreeCtrl>();
        m_pTree->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL,
            CRect(kTreeX, kTreeY, kTreeX + kTreeWidth, kTreeY + kTreeHeight), this, IDC_CHNL_TREE);
        m_pTree->SetOwner(this);
        m_pTree->InitColumns();
        FillTree();
    }
    if (!m_pOptions) {
        m_pOptions = std::make_unique<COptionListCtrl>();
        m_pOptions->Create(
            WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_NOCOLUMNHEADER,
            CRect(kListX, kListY, kListX + kListWidth, kListY + kListHeight), this, IDC_CHNL_OPTIONS);
        m_pOptions->SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
        m_pOptions->SetOwner(this);
        m_pOptions->InitColumns();
        // The PTZ row's button lives in the option list, hidden until used.
        m_PtzButton.Create(
            "", WS_CHILD | BS_PUSHBUTTON, CRect(0, 0, 10, 10), m_pOptions.get(), IDC_CHNL_PTZ_BUTTON);
        m_PtzButton.SetSource(this);
        m_pOptions->SetPtzButton(&m_PtzButton);
    }
    return TRUE;
}

void CPage5Chnl::FillTree()
{
    const uint32_t family = Family();
    if (family == 3) {
        m_pTree->AddItem(Load(IDS_CH1));
    } else {
        m_pTree->AddItem(Load(IDS_INTERNAL_CH1));
        m_pTree->AddItem(Load(IDS_EXTERNAL_CH1));
    }
    for (int item = family == 3 ? 1 : 2; item < ChannelItems(); ++item)
        m_pTree->AddItem(Load(IDS_CH1 + EntryOfItem(item) - 1));
    if (family == 0) {
        for (UINT id : { IDS_SENSOR1_CAPTION, IDS_SENSOR2_CAPTION, IDS_RELAY_OUTPUT_CAPTION })
            m_pTree->AddItem(Load(id));
        return;
    }
    const int each = DeviceItems() / 2;
    for (UINT id : { IDS_SENSOR_ITEM, IDS_RELAY_ITEM }) {
        for (int i = 1; i <= each; ++i) {
            CString text;
            text.Format("%s%d", static_cast<LPCTSTR>(Load(id)), i);
            m_pTree->AddItem(text);
        }
    }
}

void CPage5Chnl::ReleaseChildDialogs()
{
    BeforeSessionEnd();
}

void CPage5Chnl::BeforeSessionEnd()
{
    // The view deletes the page after OK and Cancel; the lists go first.
    if (m_PtzButton.GetSafeHwnd())
        m_PtzButton.DestroyWindow();
    m_pOptions.reset();
    m_pTree.reset();
}

// Reading.

void CPage5Chnl::ReadSettings()
{
    m_pTree->UncheckAll();
    CFG_CHANNEL_CONFIG block;
    m_bChannelRead = ReadBlock(GET_CHANNEL_CONFIG, &block);
    if (m_bChannelRead) {
        MarkGroupRead(GROUP_CHANNEL, TRUE);
        TakeChannelBlock(block, &m_Models, m_Entries, m_PtzSettings);
        auto on = [&](int entry) { return (block.entries[entry].byFlags & CHANNEL_ENABLED) != 0; };
        int first = -1;
        for (int item = 0; item < ChannelItems(); ++item) {
            const int entry = EntryOfItem(item);
            // Channel 1 is one source: the internal camera when it is on.
            const bool shown = entry == 1 && Family() != 3 ? on(1) && !on(0) : on(entry);
            if (!shown)
                continue;
            m_pTree->CheckItem(item);
            if (first < 0)
                first = item;
        }
        m_nCurrent = -1;
        m_pOptions->ClearTitles();
        if (first >= 0) {
            ShowChannel(first);
            m_pTree->SelectItemByIndex(first);
        }
    }
    CFG_EXT_DEVICE ext;
    if (DeviceItems() > 0 && ReadBlock(GET_EXT_DEVICE, &ext)) {
        MarkGroupRead(GROUP_DEVICE, TRUE);
        const ExtDevices devices = DecodeExtDevices(ext, DeviceLayout());
        const int each = Family() == 0 ? 2 : DeviceItems() / 2;
        for (int i = 0; i < each; ++i)
            if (devices.sensor[i])
                m_pTree->CheckItem(ChannelItems() + i);
        const int relays = Family() == 0 ? 1 : each;
        for (int i = 0; i < relays; ++i)
            if (devices.relay[i])
                m_pTree->CheckItem(ChannelItems() + each + i);
    }
}

void CPage5Chnl::ShowChannel(int item)
{
    const int entry = EntryOfItem(item);
    m_pOptions->SetTitles(Family());
    m_pOptions->SetValues(m_Entries[entry], CPtzSetupDlg::ModelName(m_Models, m_PtzSettings[entry].nModel));
    m_PtzButton.m_strCaption = CPtzSetupDlg::ModelName(m_Models, m_PtzSettings[entry].nModel);
    m_nCurrent = item;
}

void CPage5Chnl::StoreCurrent()
{
    if (m_nCurrent >= 0 && m_nCurrent < ChannelItems())
        m_pOptions->GetValues(&m_Entries[EntryOfItem(m_nCurrent)]);
}

// Editing.

void CPage5Chnl::SetPageModified()
{
    MarkGroupChanged(GROUP_CHANNEL);
}

BOOL CPage5Chnl::CloseGridEditor()
{
    if (!m_pOptions || m_pOptions->m_bBusy)
        return FALSE;
    return !m_pOptions->DestroyEditor();
}

LRESULT CPage5Chnl::OnTreeNotify(WPARAM wParam, LPARAM lParam)
{
    const int item = int(wParam);
    const bool checkChanged = lParam != 0;
    if (!m_pOptions || m_pOptions->m_bBusy || item < 0 || item >= ChannelItems() + DeviceItems())
        return 0;
    StoreCurrent();
    if (item < ChannelItems()) {
        ShowChannel(item);
        if (checkChanged)
            MarkGroupChanged(GROUP_CHANNEL);
    } else {
        m_pOptions->ClearTitles();
        m_nCurrent = item;
        if (checkChanged)
            MarkGroupChanged(GROUP_DEVICE);
    }
    return 0;
}

int CPage5Chnl::PtzChannel() const
{
    const int entry = m_nCurrent >= 0 && m_nCurrent < ChannelItems() ? EntryOfItem(m_nCurrent) : 0;
    return std::max(1, entry);
}

tagPtzSetting& CPage5Chnl::PtzSetting()
{
    const int entry = m_nCurrent >= 0 && m_nCurrent < ChannelItems() ? EntryOfItem(m_nCurrent) : 0;
    return m_PtzSettings[entry];
}

void CPage5Chnl::OnPtzSetupDone(const CString& caption)
{
    m_pOptions->UpdatePtzValue(caption);
}

// Applying.

ConfigResult CPage5Chnl::WriteGroup(int group)
{
    if (m_pOptions)
        m_pOptions->DestroyEditor();
    if (group == GROUP_DEVICE) {
        ExtDevices devices;
        const int each = Family() == 0 ? 2 : DeviceItems() / 2;
        const int relays = Family() == 0 ? 1 : each;
        for (int i = 0; i < each; ++i)
            devices.sensor[i] = m_pTree->IsItemChecked(ChannelItems() + i) != FALSE;
        for (int i = 0; i < relays; ++i)
            devices.relay[i] = m_pTree->IsItemChecked(ChannelItems() + each + i) != FALSE;
        return WriteBlock(SET_EXT_DEVICE, EncodeExtDevices(devices, DeviceLayout()));
    }
    // Only a block read this time is written back.
    if (!m_bChannelRead)
        return CONFIG_DONE;
    StoreCurrent();
    for (int item = 0; item < ChannelItems(); ++item) {
        CFG_CHANNEL_ENTRY& entry = m_Entries[EntryOfItem(item)];
        entry.byFlags = m_pTree->IsItemChecked(item) ? uint8_t(entry.byFlags | CHANNEL_ENABLED)
                                                     : uint8_t(entry.byFlags & 0x1F);
    }
    CFG_CHANNEL_ENTRIES entries {};
    for (int entry = 0; entry < kChannelEntries; ++entry) {
        if (entry == 0 && Family() == 3)
            continue;
        entries.entries[entry].byFlags = m_Entries[entry].byFlags;
        entries.entries[entry].wMotion = m_Entries[entry].wMotion;
        PackPtzSetting(m_PtzSettings[entry], &entries.entries[entry]);
    }
    const ConfigResult result = WriteBlock(SET_CHANNEL_CONFIG, entries);
    if (result == CONFIG_DONE) {
        for (int entry = 0; entry < kChannelEntries; ++entry)
            m_bCommitted[entry] = (entries.entries[entry].byFlags & CHANNEL_ENABLED) != 0;
    }
    return result;
}
