// How one settings page varies the common page frame: how it tracks its
// changes, what OK does, what leaving the page does and which page messages
// it answers. Every page class has one entry; the frame reads nothing else.
#pragma once

#include "pages/SheetAssembly.h"

struct PagePolicy {
    enum Tracking {
        TRACK_MODIFIED_FLAG, // the page's modified flag
        TRACK_APPLY_BUTTON, // an enabled Apply button counts as the change
        TRACK_GROUPS, // one changed flag per settings group
    };
    enum OkAction {
        OK_APPLY_WHEN_CHANGED, // apply when a change is held, then end the session
        OK_APPLY_ALWAYS, // run the apply (it tests for a change itself), then end
        OK_NO_APPLY, // close the page's hint window and end without applying
        OK_CLOSE_HINT_AND_APPLY, // close the hint window, apply, end
    };
    Tracking tracking = TRACK_MODIFIED_FLAG;
    OkAction ok = OK_APPLY_WHEN_CHANGED;
    // Leaving with a change asks 61592; otherwise the change is dropped.
    bool askOnLeave = true;
    // OK ends the session even after an apply whose write never reached the
    // device (no connection). No page lets it: the change would be lost
    // unseen. Only such transport failures hold OK on the page; a refusal
    // the device gave was told and ends OK on every page.
    bool okEndsAfterFailedApply = false;
    bool handlesPageCancel = false; // WM_PAGE_CANCEL acts as Cancel
    bool handlesPageModified = false; // WM_PAGE_MODIFIED marks the page changed
    // The schedule and recording pages are given a 16-byte block to copy
    // when the sheet is built.
    bool takesScheduleBlock = false;
};

const PagePolicy& PagePolicyFor(SheetSlot slot);
