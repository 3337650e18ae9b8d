// The services that need widgets, as a program uses them: message boxes,
// modal dialogs and popup menus on Qt. Tests install their own instead.
#include "platform/ui/Dialog.h"
#include "platform/ui/MenuInternal.h"

#include <QAction>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

namespace
{

class WidgetModalRunner : public IModalDialogRunner
{
public:
    void RunModalLoop(CWnd* dialog) override
    {
        CDialog::RunModalLoopUntilEnded(dynamic_cast<CDialog*>(dialog));
    }
};

const char* ButtonText(int answer)
{
    switch (answer) {
    case IDOK:
        return "OK";
    case IDCANCEL:
        return "Cancel";
    case IDABORT:
        return "&Abort";
    case IDRETRY:
        return "&Retry";
    case IDIGNORE:
        return "&Ignore";
    case IDYES:
        return "&Yes";
    case IDNO:
        return "&No";
    default:
        return "";
    }
}

class WidgetMessageBoxPresenter : public IMessageBoxPresenter
{
public:
    int Show(HWND owner, const CString& text, const CString& caption, UINT type) override
    {
        CWnd* parent = CWnd::FromHandle(owner);
        QMessageBox box(parent ? parent->GetWidget() : nullptr);
        box.setWindowTitle(QString::fromUtf8(caption.GetString()));
        box.setText(QString::fromUtf8(text.GetString()));
        switch (type & MB_ICONMASK) {
        case MB_ICONERROR:
            box.setIcon(QMessageBox::Critical);
            break;
        case MB_ICONQUESTION:
            box.setIcon(QMessageBox::Question);
            break;
        case MB_ICONWARNING:
            box.setIcon(QMessageBox::Warning);
            break;
        case MB_ICONINFORMATION:
            box.setIcon(QMessageBox::Information);
            break;
        default:
            break;
        }
        std::vector<int> answers = MessageBoxButtons(type);
        int defaultAnswer = MessageBoxDefaultAnswer(type);
        QAbstractButton* escape = nullptr;
        std::vector<std::pair<QAbstractButton*, int>> buttons;
        for (int answer : answers) {
            QPushButton* b = box.addButton(QString::fromUtf8(ButtonText(answer)), QMessageBox::ActionRole);
            buttons.emplace_back(b, answer);
            if (answer == defaultAnswer)
                box.setDefaultButton(b);
            if (answer == IDCANCEL || (answers.size() == 1 && answer == IDOK) || (answer == IDNO && !escape))
                escape = b;
        }
        if (escape)
            box.setEscapeButton(escape);
        box.exec();
        for (auto& [b, answer] : buttons) {
            if (box.clickedButton() == b)
                return answer;
        }
        // Closed without a button: the escape answer, as the platform gives.
        for (auto& [b, answer] : buttons) {
            if (b == escape)
                return answer;
        }
        return answers.empty() ? 0 : answers.front();
    }
};

void AddItems(QMenu* menu, HMENU source)
{
    for (const MenuData::Item& item : MenuOf(source)->items) {
        if (item.flags & MF_SEPARATOR) {
            menu->addSeparator();
            continue;
        }
        QString text = QString::fromUtf8(item.text.c_str());
        if (item.popup) {
            QMenu* sub = menu->addMenu(text);
            sub->setEnabled(!(item.flags & (MF_GRAYED | MF_DISABLED)));
            AddItems(sub, item.popup);
            continue;
        }
        QAction* action = menu->addAction(text.replace('\t', ' '));
        action->setData(item.id);
        action->setEnabled(!(item.flags & (MF_GRAYED | MF_DISABLED)));
        action->setCheckable(item.flags & MF_CHECKED);
        action->setChecked(item.flags & MF_CHECKED);
    }
}

class WidgetPopupMenuChooser : public IPopupMenuChooser
{
public:
    UINT Choose(HMENU menu, UINT, int x, int y, HWND owner) override
    {
        if (!MenuOf(menu))
            return 0;
        CWnd* parent = CWnd::FromHandle(owner);
        QMenu popup(parent ? parent->GetWidget() : nullptr);
        AddItems(&popup, menu);
        QAction* chosen = popup.exec(QPoint(x, y));
        return chosen ? chosen->data().toUInt() : 0;
    }
};

// "Name (*.a;*.b)|*.a;*.b||" as Qt writes it: "Name (*.a *.b)", one a line.
QString QtFilter(const CString& filter)
{
    const QStringList parts = QString::fromUtf8(filter.GetString()).split('|');
    QStringList names;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        if (!parts[i].isEmpty())
            names << QString(parts[i]).replace(';', ' ');
    return names.join(";;");
}

class WidgetFileChooser : public IFileChooser
{
public:
    bool ChooseOpen(HWND owner, const CString& filter, CString& path) override
    {
        CWnd* parent = CWnd::FromHandle(owner);
        const QString chosen = QFileDialog::getOpenFileName(
            parent ? parent->GetWidget() : nullptr, QString(), QString(), QtFilter(filter));
        if (chosen.isEmpty())
            return false;
        path = chosen.toUtf8().constData();
        return true;
    }
};

} // namespace

void InstallWidgetServices()
{
    static WidgetModalRunner runner;
    static WidgetMessageBoxPresenter boxes;
    static WidgetPopupMenuChooser menus;
    static WidgetFileChooser files;
    InstallService<IModalDialogRunner>(&runner);
    InstallService<IMessageBoxPresenter>(&boxes);
    InstallService<IPopupMenuChooser>(&menus);
    InstallService<IFileChooser>(&files);
}
