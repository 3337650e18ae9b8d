// The tab control's widget and messages; for the layer's own code.
#pragma once

#include "platform/ui/Wnd.h"

class QWidget;

QWidget* CreateTabWidget(QWidget* parent, CWnd* wnd);
bool TabCtrlWindowProc(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
