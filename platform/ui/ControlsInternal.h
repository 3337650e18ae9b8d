// The standard controls, one file each: their widgets and their documented
// messages; for the layer's own code.
#pragma once

#include "platform/ui/WndInternal.h"

#include <QString>
#include <QStringList>

// The text a control message carries in lParam.
QString FromText(LPARAM lParam);
// WM_GETTEXT into the caller's buffer: at most room-1 bytes and a terminator.
LRESULT CopyOut(const QString& text, WPARAM room, LPARAM buffer);
// Copies an item text for CB_GETLBTEXT / LB_GETTEXT, whose buffer the caller
// sized with the matching length message.
LRESULT CopyItem(const QString& text, LPARAM buffer);
// Answers WM_GETTEXT and WM_GETTEXTLENGTH for a window showing `text`;
// false for any other message.
bool AnswerTextQuery(const QString& text, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
// Where a new string goes in a sorted list: after the entries that do not
// compare greater, without regard to case.
int SortedPosition(const QStringList& items, const QString& text);
// CB_FINDSTRING / LB_FINDSTRING: from the item after `start`, wrapping.
int FindItem(const QStringList& items, WPARAM start, const QString& text, bool exact);

// Push buttons, check boxes, radio buttons and group boxes.
QWidget* CreateButtonWidget(WndKind kind, const QString& text, DWORD style, QWidget* parent, CWnd* wnd);
bool ButtonWindowProc(CWnd* wnd, WndKind kind, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

QWidget* CreateEditWidget(const QString& text, DWORD style, QWidget* parent, CWnd* wnd);
bool EditWindowProc(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
// Password, read-only, alignment and digits-only.
void ApplyEditStyle(CWnd* wnd);

QWidget* CreateStaticWidget(const QString& text, DWORD style, QWidget* parent, CWnd* wnd);
bool StaticWindowProc(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
// Alignment and frame.
void ApplyStaticStyle(CWnd* wnd);

QWidget* CreateComboBoxWidget(DWORD style, QWidget* parent, CWnd* wnd);
bool ComboBoxWindowProc(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

QWidget* CreateTrackbarWidget(DWORD style, QWidget* parent, CWnd* wnd);
bool TrackbarWindowProc(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

QWidget* CreateListBoxWidget(DWORD style, QWidget* parent, CWnd* wnd);
bool ListBoxWindowProc(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

QWidget* CreateIpAddressWidget(QWidget* parent, CWnd* wnd);
bool IpAddressWindowProc(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

// The spin's widget calls back into the CSpinButtonCtrl it was made for.
QWidget* CreateSpinWidget(QWidget* parent, CWnd* wnd);
bool SpinWindowProc(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

// The month calendar and the date-time picker (DateTimeCtrl.h).
QWidget* CreateMonthCalWidget(QWidget* parent, CWnd* wnd);
bool MonthCalWindowProc(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
QWidget* CreateDateTimePickWidget(DWORD style, QWidget* parent, CWnd* wnd);
bool DateTimePickWindowProc(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
