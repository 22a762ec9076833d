/* Preferences dialog of the status window: dialog and control ids.
 *
 * Shared by its resource script (resources/statuswindow/preferences_dialog.rc) and the C++
 * code. Plain #defines only, so that the resource compiler reads it too.
 */
#ifndef ZRT_STATUSWINDOW_PREFERENCES_IDS_H
#define ZRT_STATUSWINDOW_PREFERENCES_IDS_H

#define IDD_PREFERENCES 116

#define IDC_SHOWING_LABEL 1000
#define IDC_SHOW_WHEN_PRINTING 1001
#define IDC_SHOW_ON_ERROR_ONLY 1002
#define IDC_SOUND_LABEL 1003
#define IDC_SOUND_ALL 1004
#define IDC_SOUND_ERRORS_ONLY 1005
#define IDC_SOUND_NONE 1006
#define IDC_ALWAYS_ON_TOP 1009
#define IDC_MONITOR_LABEL 1010
#define IDC_MONITOR_ALWAYS 1011
#define IDC_MONITOR_WHILE_PRINTING 1012
#define IDC_MONITOR_WHILE_SHOWN 1013

#endif /* ZRT_STATUSWINDOW_PREFERENCES_IDS_H */
