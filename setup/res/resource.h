// Resource identifiers of the setup program.
#pragma once

// String table
#define IDS_FILE_NOT_FOUND 11   // file prompt message
#define IDS_PRODUCT_KEY 12      // "Software\CorvaneNetwork\Vantora"
// 17, 18, 20, 21, 22: the maintenance choice texts, numbered where the
// step routing picks them.
#include "core/steps/choice_strings.h"
#define IDS_FINISH_SETUP_FIRST 26
#define IDS_STATUS_KEY 27       // "Software\CorvaneNetwork\Vantora\Status"
#define IDS_SOFTWARE_KEY 28     // "Software\CorvaneNetwork\Vantora\Software"

// Dialogs
#define IDD_PROGRESS 136
#define IDC_PROGRESS_PICTURE 1001
#define IDC_PROGRESS_STATUS 1003
#define IDD_EXIT_NOTICE 179
#define IDC_EXIT_TEXT 1000

// Bitmaps
#define IDB_SPLASH 150
