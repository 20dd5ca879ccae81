/*
 * Control and command identifiers, shared by the resource script (zorvik.rc) and the C++ code.
 * Keep it plain preprocessor definitions: windres reads this file too.
 * IDCANCEL (2) and IDHELP (9) come from the Windows headers.
 */
#ifndef ZORVIK_RESOURCES_RESOURCE_H
#define ZORVIK_RESOURCES_RESOURCE_H

#define IDC_STATIC      (-1)

#define IDC_YEAR_UP     1002
#define IDC_YEAR_DOWN   1003
#define IDC_MONTH_UP    1004
#define IDC_MONTH_DOWN  1005
#define IDC_TODAY       1006
#define IDC_GPS_WEEKS   1009
#define IDC_NAME_LABEL  1010
#define IDC_MONTH_YEAR  1011
#define IDC_COPY        1012
#define IDC_CELL_FIRST  1101
#define IDC_CELL_LAST   1142
#define IDC_LEGEND_MJD  1150

#endif
