// String-table numbers of the maintenance choice texts: the heading and the
// options. The step routing chooses by these numbers and the program's
// string table holds the texts under them, so they are defined once, here,
// as plain definitions that the resource compiler reads too.
#pragma once

#define IDS_CHOICE_ACCOUNT 17
#define IDS_CHOICE_REINSTALL 18
#define IDS_CHOICE_ADDITIONAL 20
#define IDS_CHOICE_HEAD_NOACCOUNT 21
#define IDS_CHOICE_HEAD_INSTALLED 22
