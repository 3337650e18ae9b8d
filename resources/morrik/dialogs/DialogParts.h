// The library's dialog templates, one file per owning class: the styles they
// share, and each file's templates for the library's dialog table.
#pragma once

#include "platform/ui/Dialog.h"
#include "platform/ui/ResourceData.h"
#include "resources/morrik/Resource.h"

#include <span>

constexpr uint32_t kMorrikModal = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr uint32_t kMorrikChild = WS_CHILD | WS_VISIBLE;
constexpr uint32_t kMorrikButton = kMorrikChild | WS_TABSTOP;
constexpr uint32_t kMorrikEdit = kMorrikButton | WS_BORDER | ES_AUTOHSCROLL;

// The add and edit dialogs and the About box.
extern const std::span<const DialogTemplate> kEditDlgTemplates;

// The explorer pane and the camera explorer.
extern const std::span<const DialogTemplate> kExploreDlgTemplates;
