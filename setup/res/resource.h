// Resource identifiers of the setup program.
#pragma once

// String table
#define IDS_ACCESS_ENTRY 4      // "InitRunMain", the registration module's entry
#define IDS_FILE_NOT_FOUND 11   // file prompt message
#define IDS_PRODUCT_KEY 12      // "Software\CorvaneNetwork\Vantora"
// 17, 18, 20, 21, 22: the maintenance choice texts, numbered where the
// step routing picks them.
#include "core/steps/choice_strings.h"
#define IDS_FINISH_SETUP_FIRST 26
#define IDS_WILL_LAUNCH 29      // "Vantora Setup will now launch the installation for '%s'."
#define IDS_LAUNCH_SUCCEEDED 30 // "Was the installation of '%s' successful?"
// 31 + category: the progress dialog's status prefixes
#define IDS_PROGRESS_COPY 31
#define IDS_PROGRESS_EXTRACT 32
#define IDS_PROGRESS_MKDIR 33
#define IDS_PROGRESS_REGISTRY 34
#define IDS_PROGRESS_RUN 35
#define IDS_STATUS_KEY 27       // "Software\CorvaneNetwork\Vantora\Status"
#define IDS_SOFTWARE_KEY 28     // "Software\CorvaneNetwork\Vantora\Software"

// Dialogs
#define IDD_FOLDER_BROWSER 119
#define IDC_BROWSE_TREE 1006
#define IDC_BROWSE_DRIVES 1011
#define IDD_SOFTWARE 129
#define IDC_SOFTWARE_LIST 1001
#define IDC_SOFTWARE_ALL 1003
#define IDC_SOFTWARE_NONE 1004
#define IDC_SOFTWARE_DESCRIPTION 1022
#define IDD_PROGRESS 136
#define IDC_PROGRESS_PICTURE 1001
#define IDC_PROGRESS_STATUS 1003
#define IDD_FILE_PROMPT 166
#define IDC_PROMPT_PATH 101
#define IDC_PROMPT_BROWSE 1009
#define IDC_PROMPT_MESSAGE 1015
#define IDD_LAUNCH_WATCH 178
#define IDC_LAUNCH_TEXT 1023
#define IDD_EXIT_NOTICE 179
#define IDC_EXIT_TEXT 1000

// Bitmaps and icons
#define IDB_TREE 120
#define IDI_SETUP 130
#define IDB_SPLASH 150
// The screen's logos and masks (numbers fixed in core/screen/screen_geometry.h)
#define IDB_LOGO_BIG 156
#define IDB_LOGO_SMALL 157
#define IDB_LOGO_MASK_BIG 158
#define IDB_LOGO_MASK_SMALL 159
// The progress animations, one per status category
#define IDB_ANIM_REGISTRY 174
#define IDB_ANIM_MKDIR 175
#define IDB_ANIM_EXTRACT 176
#define IDB_ANIM_COPY 177
#define IDB_ANIM_RUN 179

// Wizard pages and the maintenance choice
#define IDS_INTRO_DEFAULT 3     // the welcome text when setup.cfg has none
#define IDD_INTRO 1
#define IDC_INTRO_TEXT 65535
#define IDD_DEST_DIR 2
#define IDC_DEST_DIR 101
#define IDC_DEST_BROWSE 1009
#define IDC_DEST_AVAILABLE 1010
#define IDC_DEST_REQUIRED 1011
#define IDC_PLAY_CONTROLS 1005  // the area the player's controls go into
#define IDD_CHOICE 165
#define IDC_CHOICE_OPTION0 1012 // ... to 1016, one radio button an option
#define IDC_CHOICE_OPTION4 1016
#define IDC_CHOICE_DESCRIPTION 1017
#define IDC_CHOICE_HEADING 1021
// Movie dialogs
#define IDD_INTRO_MOVIE 148
#define IDD_LOGO_MOVIE 149
#define IDC_MOVIE_FRAME 1006    // where the player shows the movie

// The uninstaller program (raw data), written as {MAIN_DIR}\VTUNINST.EXE.
#define IDR_UNINSTALLER 400
