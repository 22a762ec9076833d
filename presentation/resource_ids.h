/* Resource ids of the presentation library ZRT7QPMU.DLL.
 *
 * Shared by its resource script (resources/presentation/ZRT7QPMU.rc) and by the C++ code of the
 * library and the status window. Plain #defines only, so that the resource compiler reads it too.
 * The menu item ids are the commands of the status window's main window.
 */
#ifndef ZRT_PRESENTATION_RESOURCE_IDS_H
#define ZRT_PRESENTATION_RESOURCE_IDS_H

/* Menu of the status window's main window. */
#define IDM_STATUS_MENU 50

/* Commands of the menu and the toolbars. */
#define IDM_JOB_PAUSE 100
#define IDM_JOB_RESUME 101
#define IDM_JOB_CANCEL 103
#define IDM_UTIL_CLEANING 104
#define IDM_OPT_CONSUMABLES 105
#define IDM_OPT_REFRESH 106
#define IDM_OPT_PREFERENCES 120
#define IDM_HELP_TOPICS 130
#define IDM_HELP_ABOUT 133
#define IDM_UTIL_CALIBRATION 134
#define IDM_OPT_PAPER_SIZE 135

/* Icons (32 x 32, with a 16 x 16 image as well). */
#define IDI_PRINTER 400
#define IDI_PRINTER_PAUSED 401
#define IDI_PRINTER_WARNING 402
#define IDI_PRINTER_ERROR 403
#define IDI_PRINTER_SERVICE_ERROR 404

/* Picture pane: output tray and the five frames of the paper animation. */
#define IDB_OUTPUT_TRAY 210
#define IDB_PAPER_FRAME_1 211
#define IDB_PAPER_FRAME_2 212
#define IDB_PAPER_FRAME_3 213
#define IDB_PAPER_FRAME_4 214
#define IDB_PAPER_FRAME_5 215

/* Toolbar images, 16 x 16 each: Pause, Resume, Cancel / consumables, refresh. */
#define IDB_TOOLBAR_JOB 216
#define IDB_TOOLBAR_INFO 217

/* Printer pictures (125 x 122, magenta transparent). */
#define IDB_PRINTER_READY 301
#define IDB_PAPER_STACK 302
#define IDB_PAPER_STACK_EMPTY 303
#define IDB_COVER_OPEN 304
#define IDB_TONER_REMOVE 305
#define IDB_CABLE_CHECK 306
#define IDB_MEMORY_LOW 307
#define IDB_DISK_LOW 308
#define IDB_NETWORK_CABLE 309
#define IDB_PRINTER_IDLE 310
#define IDB_JAM_INSIDE 311
#define IDB_JAM_INSIDE_OPEN 312
#define IDB_JAM_REAR 313
#define IDB_CLEANING_SHEET 314
#define IDB_PAPER_TRAY 315
#define IDB_REAR_COVER 316
#define IDB_TONER_EXCHANGE 317
#define IDB_DRUM_INSERT 318

/* Menu help texts shown in the status bar. */
#define IDS_HELP_JOB_MENU 5000
#define IDS_HELP_PAUSE 5001
#define IDS_HELP_RESUME 5002
#define IDS_HELP_CANCEL 5004
#define IDS_HELP_OPTION_MENU 5005
#define IDS_HELP_PREFERENCES 5006
#define IDS_HELP_CLEANING 5008
#define IDS_HELP_HELP_MENU 5009
#define IDS_HELP_TOPICS 5010
#define IDS_HELP_ABOUT 5011
#define IDS_HELP_SYSTEM_MENU 5012
#define IDS_HELP_SC_RESTORE 5013
#define IDS_HELP_SC_MOVE 5014
#define IDS_HELP_SC_SIZE 5015
#define IDS_HELP_SC_MINIMIZE 5016
#define IDS_HELP_SC_MAXIMIZE 5017
#define IDS_HELP_SC_CLOSE 5018
#define IDS_HELP_REFRESH 5020
#define IDS_HELP_CONSUMABLES 5021
#define IDS_HELP_CALIBRATION 5022
#define IDS_HELP_PAPER_SIZE 5023
#define IDS_HELP_UTILITY_MENU 5024

/* Toolbar tooltips. */
#define IDS_TIP_PAUSE 5100
#define IDS_TIP_RESUME 5101
#define IDS_TIP_CANCEL 5103
#define IDS_TIP_REFRESH 5104
#define IDS_TIP_CONSUMABLES 5105

/* An id that has no string: menu items and buttons without help. */
#define IDS_NO_TEXT 5701

#endif /* ZRT_PRESENTATION_RESOURCE_IDS_H */
