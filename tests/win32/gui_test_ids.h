// Bitmap resources of the picture library's tests (generated patterns).
#pragma once
#define IDB_TEST8_372 101
#define IDB_TEST8_64 102
#define IDB_TEST8_61 103
#define IDB_TEST4_61 104
#define IDB_TEST1_40 105
#define IDB_TEST24_30 106
#define IDB_TESTMASK_64 107
#define IDB_TEST4_USED 108
#define IDB_SPLASH 150
