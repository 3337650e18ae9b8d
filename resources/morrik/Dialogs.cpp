// The library's dialog table, gathered once from the files of the owning
// classes (dialogs/).
#include "resources/morrik/MorrikTables.h"

#include "resources/morrik/dialogs/DialogParts.h"

#include <vector>

std::span<const DialogTemplate> MorrikDialogs()
{
    static const std::vector<DialogTemplate> dialogs = [] {
        std::vector<DialogTemplate> all;
        for (auto templates : {
                 // The add and edit dialogs and the About box.
                 kEditDlgTemplates,
                 // The explorer pane and the camera explorer.
                 kExploreDlgTemplates,
             })
            for (const DialogTemplate& t : templates)
                all.push_back(t);
        return all;
    }();
    // Spelled out, so that no std range helper is exported from the library.
    return { dialogs.data(), dialogs.size() };
}
