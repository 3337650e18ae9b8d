// Whether an open dialog shows the whole text of each of its labels and
// buttons, measured in the dialog's font against the places its template
// gives them.
#pragma once

#include "platform/base/Services.h"
#include "platform/ui/DC.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ResourceData.h"
#include "platform/ui/ResourceModule.h"
#include "platform/ui/WindowStyles.h"
#include "tests/platform/ScriptedDialogRunner.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <initializer_list>

inline void ExpectTextsFit(CDialog* dlg, const DialogTemplate& tmpl)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    dc.SelectObject(dlg->GetFont());
    for (const DialogControl& c : tmpl.controls) {
        const bool button = std::strcmp(c.className, WC_BUTTON) == 0;
        // Shown texts of labels and push buttons; "#n" names an icon.
        if (!(c.style & WS_VISIBLE) || !*c.text || *c.text == '#'
            || !(button ? (c.style & BS_TYPEMASK) <= BS_DEFPUSHBUTTON
                        : std::strcmp(c.className, WC_STATIC) == 0))
            continue;
        RECT place {};
        MapDialogUnits(c.x, c.y, c.cx, c.cy, &place);
        // A push button keeps a few pixels of frame on each side.
        const int frame = button ? 8 : 0;
        EXPECT_LE(dc.GetTextExtent(c.text).cx + frame, place.right - place.left)
            << "dialog " << tmpl.id << ": " << c.text;
    }
}

// Opens each template as a `Dialog` run modally and checks its texts; the
// template is looked up in the module `module` gives once the dialog runs.
template <class Dialog>
void ExpectDialogTextsFit(const std::function<HINSTANCE()>& module, std::initializer_list<UINT> ids)
{
    for (UINT id : ids) {
        ScriptedDialogRunner runner([&](CDialog* dlg) {
            const DialogTemplate* tmpl = FindDialogResource(module(), id);
            EXPECT_NE(tmpl, nullptr) << id;
            if (tmpl)
                ExpectTextsFit(dlg, *tmpl);
            dlg->EndDialog(IDCANCEL);
        });
        ScopedService<IModalDialogRunner> use(&runner);
        Dialog dlg(id);
        dlg.DoModal();
        EXPECT_EQ(runner.runs, 1) << id;
    }
}
