// Resource ids of the program's own module.
#pragma once

// Dialogs.
#define IDD_ABOUTBOX 328

// Icons and templates of the document.
#define IDR_MAINFRAME 128
