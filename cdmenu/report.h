// The launcher's diagnostic hook: every internal failure of the launcher
// (window class, main window, pictures) is reported here with a level, a
// format whose first two arguments are the source file name and a line
// number, and further arguments. The launcher shows its user nothing; the
// hook answers the level and, unless a sink is set, produces no output.
#pragma once

int ReportError(int level, const char* format, const char* file, int line, ...);

// Tests and developers may route the formatted reports somewhere: the sink
// gets each report's text (NULL again: reports produce nothing).
typedef void (*ReportSink)(int level, const char* text);
void SetReportSink(ReportSink sink);

// The reports' texts, with the source file name and line each names.
#define LAUNCH_REPORT_FILE_MAIN "main"
#define LAUNCH_REPORT_FILE_GRAPHICS "UtGraphics"
#define LAUNCH_REPORT_REGISTER_CLASS "%s:%d RegisterClass failed"     // main, 550
#define LAUNCH_REPORT_CREATE_WINDOW "%s:%d CreateWindow failed"       // main, 566
#define LAUNCH_REPORT_MALLOC "%s:%d Malloc Failed"                    // UtGraphics, 130
#define LAUNCH_REPORT_NOT_FOUND "%s:%d File Not Found %s."            // UtGraphics, 143
#define LAUNCH_REPORT_CREATE_DC "%s:%d Create Failed"                 // UtGraphics, 167
#define LAUNCH_REPORT_SECTION "%s:%d Decomp Failed"                   // UtGraphics, 180
