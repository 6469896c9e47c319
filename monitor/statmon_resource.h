// Control, menu and resource ids of statmon.rc, shared with the code.
#pragma once

// The window class of the main window, found by the single-instance check,
// by the installer and by the uninstaller.
#define STATMON_CLASS_NAME "PLMStatusClass__"
#define STATMON_ICON_NAME "!STATUS"

// Main window controls (templates MAIN, MAINSMALL, MAIN_601W).
#define IDC_STATUS_TEXT 1000
#define IDC_RECOVERY_TEXT 1001
#define IDC_WARNING_GROUP 1011
#define IDC_JOB_GROUP 1013
#define IDC_RECOVERY_LABEL 1014
#define IDC_STATUS_GROUP_REDUCED 1015
#define IDC_PICTURE 1016
#define IDC_PICTURE_LABEL 1017
#define IDC_JOB_NAME_LABEL 1018
#define IDC_PAGE_LABEL 1019
#define IDC_RAW_REPLY 1020
#define IDC_STATUS_GROUP_EXPANDED 1021
#define IDC_JOB_NAME 1024
#define IDC_PAGE_NUMBER 1025
#define IDC_WARNING_LIST 1026
#define IDC_JOB_STATE 1027
#define IDC_TOP_LINE 1064

// Menu commands (MAINMENU and POPUP).
#define IDM_POWER_ON_TEST 40003
#define IDM_FACTORY_DEFAULT 40004
#define IDM_SHOW_STATUS 40006
#define IDM_TRAY_EXIT 40011
#define IDM_PRINTER_INFO 40012
#define IDM_EXIT 40014
#define IDM_SELECT_POPUP 40015
#define IDM_REDUCE 40016
#define IDM_EXPAND 40017
#define IDM_HELP_CONTENTS 40018
#define IDM_BITMAP_VIEWER 40019
#define IDM_EXTENDED_RTI 40020
#define IDM_ABOUT 40022
#define IDM_PRINT_STATUS_PAGE 40031
#define IDM_SUPPLIES_STATUS 40032
#define IDM_PRINT_PRINTER_STATUS 40033
#define IDM_MAINTENANCE 40034
#define IDM_TONER_REPLACE 40035

// Secondary dialogs of the main window.
#define IDD_BITMAP_VIEWER 123
#define IDM_BITMAP_VIEWER_MENU 127
// SELECT_POPUP: the active list (statuses that pop the window up) and the
// inactive list, the buttons between them and their labels.
#define IDC_POPUP_MOVE_TO_ACTIVE 50
#define IDC_POPUP_MOVE_TO_INACTIVE 51
#define IDC_POPUP_HELP 9
#define IDC_POPUP_ACTIVE_LIST 1003
#define IDC_POPUP_INACTIVE_LIST 1004
#define IDC_POPUP_ACTIVE_LABEL 1032
#define IDC_POPUP_INACTIVE_LABEL 1033
// ABOUTDLG: the monitor, the resource library, the configuration file, the system.
#define IDC_ABOUT_MONITOR 1029
#define IDC_ABOUT_LIBRARY 1030
#define IDC_ABOUT_CONFIG 1031
#define IDC_ABOUT_SYSTEM 1067
// Bitmap viewer (template 123): the codes and the option keywords.
#define IDC_VIEWER_CODES 1055
#define IDC_VIEWER_OPTIONS 1059
// The window menu's Exit item.
#define IDS_SYSMENU_EXIT 560
