#include "platform/ui/IpAddressCtrl.h"

#include "platform/ui/ControlsInternal.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include <array>

namespace
{

class IpAddressWidget : public QFrame
{
public:
    explicit IpAddressWidget(QWidget* parent)
        : QFrame(parent)
    {
        setFrameShape(QFrame::StyledPanel);
        setAutoFillBackground(true);
        auto* row = new QHBoxLayout(this);
        row->setContentsMargins(2, 0, 2, 0);
        row->setSpacing(0);
        for (int i = 0; i < 4; ++i) {
            auto* field = new QLineEdit(this);
            field->setFrame(false);
            field->setAlignment(Qt::AlignCenter);
            field->setMaxLength(3);
            field->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,3}"), field));
            QObject::connect(field, &QLineEdit::textEdited, field, [this, i] { Edited(i); });
            row->addWidget(field, 1);
            if (i < 3)
                row->addWidget(new QLabel(QStringLiteral("."), this));
            fields[size_t(i)] = field;
        }
    }

    std::array<QLineEdit*, 4> fields {};
    std::array<int, 4> low { 0, 0, 0, 0 };
    std::array<int, 4> high { 255, 255, 255, 255 };

    bool Filled(int i) const { return !fields[size_t(i)]->text().isEmpty(); }
    int Value(int i) const { return Filled(i) ? fields[size_t(i)]->text().toInt() : 0; }

    void SetField(int i, const QString& text)
    {
        ++m_quiet;
        fields[size_t(i)]->setText(text);
        --m_quiet;
    }

    QString Text() const
    {
        QStringList parts;
        for (const QLineEdit* field : fields)
            parts << field->text();
        return parts.join('.');
    }

    // A number above the field's range is brought down to its top, as the
    // control does; then the parent hears of the change.
    void Edited(int i)
    {
        if (m_quiet)
            return;
        if (Filled(i) && Value(i) > high[size_t(i)])
            SetField(i, QString::number(high[size_t(i)]));
        // The window this control speaks for now: a subclassed control has
        // another window object than the one it was made with.
        CWnd* owner = WndOfWidget(this);
        if (!owner)
            return;
        NMIPADDRESS notice { { owner->m_hWnd, UINT_PTR(owner->GetDlgCtrlID()), IPN_FIELDCHANGED }, i,
            Filled(i) ? Value(i) : -1 };
        if (HWND parent = owner->GetParentHandle())
            ::SendMessage(parent, WM_NOTIFY, notice.hdr.idFrom, reinterpret_cast<LPARAM>(&notice));
    }

private:
    int m_quiet = 0;
};

IpAddressWidget* Widget(CWnd* wnd)
{
    return static_cast<IpAddressWidget*>(wnd->GetWidget());
}

} // namespace

QWidget* CreateIpAddressWidget(QWidget* parent, CWnd*)
{
    return new IpAddressWidget(parent);
}

bool IpAddressWindowProc(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    IpAddressWidget* ip = Widget(wnd);
    switch (message) {
    case IPM_CLEARADDRESS:
        for (int i = 0; i < 4; ++i)
            ip->SetField(i, QString());
        *result = 0;
        return true;
    case IPM_SETADDRESS:
        for (int i = 0; i < 4; ++i)
            ip->SetField(i, QString::number((DWORD(lParam) >> (24 - 8 * i)) & 0xFF));
        *result = TRUE;
        return true;
    case IPM_GETADDRESS: {
        DWORD address = 0;
        int filled = 0;
        for (int i = 0; i < 4; ++i) {
            address = (address << 8) | DWORD(ip->Value(i) & 0xFF);
            filled += ip->Filled(i) ? 1 : 0;
        }
        if (auto* out = reinterpret_cast<DWORD*>(lParam))
            *out = address;
        *result = filled;
        return true;
    }
    case IPM_SETRANGE: {
        const int field = int(wParam);
        *result = field >= 0 && field < 4;
        if (*result) {
            ip->low[size_t(field)] = int(lParam & 0xFF);
            ip->high[size_t(field)] = int((lParam >> 8) & 0xFF);
        }
        return true;
    }
    case IPM_SETFOCUS:
        if (int(wParam) >= 0 && int(wParam) < 4)
            ip->fields[wParam]->setFocus();
        *result = 0;
        return true;
    case IPM_ISBLANK: {
        bool blank = true;
        for (int i = 0; i < 4; ++i)
            blank = blank && !ip->Filled(i);
        *result = blank;
        return true;
    }
    case WM_SETTEXT: {
        // The dotted form, as if typed; a missing or empty part leaves its
        // field blank.
        const QStringList parts = FromText(lParam).split('.');
        for (int i = 0; i < 4; ++i) {
            const QString text = i < parts.size() ? parts[i].trimmed().left(3) : QString();
            if (text == ip->fields[size_t(i)]->text())
                continue;
            ip->SetField(i, text);
            ip->Edited(i);
        }
        *result = TRUE;
        return true;
    }
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
        return AnswerTextQuery(ip->Text(), message, wParam, lParam, result);
    default:
        return false;
    }
}

BOOL CIPAddressCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CreateEx(0, WC_IPADDRESS, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}
