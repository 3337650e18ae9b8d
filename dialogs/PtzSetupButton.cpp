#include "dialogs/PtzSetupButton.h"

#include "dialogs/PtzSetupDlg.h"

#include <memory>

BEGIN_MESSAGE_MAP(CPtzSetupButton, CButton)
ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

void CPtzSetupButton::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_pSource) {
        auto dialog = std::make_unique<CPtzSetupDlg>();
        dialog->m_Models = m_pSource->PtzModels();
        dialog->m_nChannel = m_pSource->PtzChannel();
        dialog->m_PtzSetting = m_pSource->PtzSetting();
        if (dialog->DoModal() == IDOK) {
            m_pSource->PtzSetting() = dialog->m_PtzSetting;
            m_strCaption = CPtzSetupDlg::ModelName(dialog->m_Models, dialog->m_PtzSetting.nModel);
            SetWindowText(m_strCaption);
            m_pSource->OnPtzSetupDone(m_strCaption);
        }
    }
    CButton::OnLButtonUp(nFlags, point);
}
