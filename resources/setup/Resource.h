// Resource ids of the program's own module.
#pragma once

// Dialogs.
#define IDD_ABOUTBOX 328

// Controls shared by templates.
#define IDC_STATIC 0xFFFF
#define IDOK_BUTTON 1

// Icons and templates of the document.
#define IDR_MAINFRAME 128
