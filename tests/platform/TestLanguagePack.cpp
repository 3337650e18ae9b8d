// A small language pack: replaces a few strings and the caption of one
// dialog of the program, and brings one dialog the program does not have.
#include "platform/ui/ResourceData.h"

namespace
{

const DialogControl kAboutControls[] = {
    { 1, "Button", "Gut", 0x50010001, 178, 7, 50, 14 },
};
const DialogControl kOnlyHereControls[] = {
    { 2, "Button", "Abbrechen", 0x50010000, 10, 10, 50, 14 },
};

const DialogTemplate kDialogs[] = {
    { 328, "Info zu Pellmoor Tarnwick", 0x80C80080, 0, 0, 235, 55, kAboutControls },
    { 9001, "Nur im Sprachpaket", 0x80C80080, 0, 0, 100, 40, kOnlyHereControls },
};

const StringEntry kStrings[] = {
    { 61525, "IP-Adresse" },
    { 61592, "Neue Konfiguration bestätigen?" },
    { 61598, "Angaben" },
    { 62121, "Modellname" },
};

const ResourceTables kTables { .moduleName = "OstraCFGRes", .dialogs = kDialogs, .strings = kStrings };

} // namespace

extern "C" __attribute__((visibility("default"))) const ResourceTables* SuiteLanguagePackTables()
{
    return &kTables;
}
