// Resource ids of the program's own module.
#pragma once

// Dialogs.
#define IDD_ABOUTBOX 328

// Icons and templates of the document.
#define IDR_MAINFRAME 128

// Bitmaps: the "Version" caption button and the image over a pressed one.
#define IDB_CAPTION_VERSION 193
#define IDB_CAPTION_PRESSED 194
