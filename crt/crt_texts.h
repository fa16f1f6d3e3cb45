// What the runtime says to a user: only when a program must end.
#pragma once

// The box's text is kFatalIntro, the reason, then kFatalOutro.
constexpr char kFatalIntro[] = "This program cannot continue:\n\n";
constexpr char kFatalOutro[] = "\n\nIt will now close. Nothing more will be changed.";
// The caption when the program's own file name cannot be read.
constexpr char kFatalCaption[] = "Program error";

// Reasons.
constexpr char kOutOfMemory[] = "There is not enough memory.";
constexpr char kPureVirtual[] = "An internal error occurred (pure virtual call).";
constexpr char kLibraryError[] = "An internal error occurred";

// A program started on a processor older than the 486 it is built for.
constexpr char kNeeds486[] =
    "This program needs an 80486 processor or a later one (Pentium, K5, K6, 6x86, ...).\n\n"
    "This computer has an 80386.";
