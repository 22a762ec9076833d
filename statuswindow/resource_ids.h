/* Resource ids of the status window program ZRT7QSWK.EXE.
 *
 * Shared by its resource script (resources/statuswindow/ZRT7QSWK.rc) and by its C++ code.
 * Plain #defines only, so that the resource compiler reads it too.
 */
#ifndef ZRT_STATUSWINDOW_RESOURCE_IDS_H
#define ZRT_STATUSWINDOW_RESOURCE_IDS_H

/* Page counter of the progress pane. */
#define IDS_PAGES_OF_TOTAL 2001   /* "%d / %d" pages printed of total */
#define IDS_PAGES_OF_ONE 2002     /* "%d / 1" */
#define IDS_PAGES_PRINTED 2003    /* "%d" pages printed, total unknown */
#define IDS_ONE_PAGE_PRINTED 2004 /* one page, total unknown */

/* Job list columns and rows. */
#define IDS_JOB_COLUMN_TITLE 2017
#define IDS_JOB_COLUMN_CONTENTS 2018
#define IDS_JOB_ROW_DOCUMENT 2019
#define IDS_JOB_ROW_USER 2020
#define IDS_JOB_ROW_COMPUTER 2021

/* Paper names (by paper code, see the paper name table of the core). */
#define IDS_PAPER_LETTER 2044
#define IDS_PAPER_LEGAL 2045
#define IDS_PAPER_EXECUTIVE 2046
#define IDS_PAPER_A4 2047
#define IDS_PAPER_A5 2048
#define IDS_PAPER_B5 2049
#define IDS_PAPER_ENV10 2050
#define IDS_PAPER_ENVDL 2051
#define IDS_PAPER_ENVB5 2052
#define IDS_PAPER_ENVC5 2053
#define IDS_PAPER_MONARCH 2054
#define IDS_PAPER_POSTCARD 2055
#define IDS_PAPER_INDEX_CARD 2056
#define IDS_PAPER_YOUKEI4 2057
#define IDS_PAPER_USER_DEFINED_581 2058
#define IDS_PAPER_YOUKEI2 2062
#define IDS_PAPER_USER_DEFINED_256 2063
#define IDS_PAPER_USER_DEFINED_580 2064
#define IDS_PAPER_USER_DEFINED 2071

/* Caption of the job list. */
#define IDS_JOB_LIST_CAPTION 5503

/* Paper sources and toner colours. */
#define IDS_SOURCE_TRAY 5520
#define IDS_SOURCE_CASSETTE1 5521
#define IDS_COLOUR_YELLOW 5523
#define IDS_COLOUR_MAGENTA 5524
#define IDS_COLOUR_CYAN 5525
#define IDS_COLOUR_BLACK 5526

/* Bitmap whose colour table is the picture palette (16 colours, 310 x 168). */
#define IDB_PALETTE 601

/* Accelerators of the main window. */
#define IDA_MAIN_ACCEL_NAME "MAINACCEL"
#define IDM_TAB 9010
#define IDM_SHIFT_TAB 9011

#endif /* ZRT_STATUSWINDOW_RESOURCE_IDS_H */
