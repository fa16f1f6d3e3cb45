// Resource identifiers of the setup program.
#pragma once

// String table
#define IDS_FILE_NOT_FOUND 11   // file prompt message
#define IDS_PRODUCT_KEY 12      // "Software\CorvaneNetwork\Vantora"
#define IDS_CHOICE_ACCOUNT 17
#define IDS_CHOICE_REINSTALL 18
#define IDS_CHOICE_ADDITIONAL 20
#define IDS_CHOICE_HEAD_NOACCOUNT 21
#define IDS_CHOICE_HEAD_INSTALLED 22
#define IDS_FINISH_SETUP_FIRST 26
#define IDS_STATUS_KEY 27       // "Software\CorvaneNetwork\Vantora\Status"
#define IDS_SOFTWARE_KEY 28     // "Software\CorvaneNetwork\Vantora\Software"

// Dialogs
#define IDD_EXIT_NOTICE 179
#define IDC_EXIT_TEXT 1000

// Bitmaps
#define IDB_SPLASH 150
