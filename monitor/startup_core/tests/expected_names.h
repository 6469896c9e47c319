// The configuration file's section and key names as they must come out of
// the string table. Native tests use it as their name table; the Windows
// tests compare statmon's real string table against it.
#pragma once
#include "monitor_strings.h"

namespace statmon::testing {

struct ExpectedName {
  int id;
  const char* name;
};

inline constexpr ExpectedName kExpectedNames[] = {
    {IDS_SECTION_MISC, "Misc"},
    {IDS_KEY_RESOURCE_DLL, "ResourceDLL"},
    {IDS_KEY_DLL_BITMAP_SIZE, "DLLBitmapSize"},
    {IDS_KEY_PJL_CAPABILITIES, "PJLcapabilities"},
    {IDS_KEY_DRIVER_NAME, "DriverName"},
    {IDS_KEY_DRIVER_ID, "DriverID"},
    {IDS_KEY_MAIN_DLG, "MainDlg"},
    {IDS_KEY_STATUS_TITLE, "StatusTitle"},
    {IDS_KEY_ABOUT_TITLE, "AboutTitle"},
    {IDS_KEY_ABOUT_OK, "AboutOK"},
    {IDS_KEY_HELP_FILE_NAME, "HelpFileName"},
    {IDS_KEY_RESET_PRINT_JOB_INFO, "ResetPrintJobInfo"},
    {IDS_KEY_USE_TIMER, "UseTimer"},
    {IDS_KEY_TIME_VALUE, "TimeValue"},
    {IDS_KEY_USTATUS_TIMEOUT, "UstatusTimeOut"},
    {IDS_KEY_USTATUS_DTIMED, "UstatusDtimed"},
    {IDS_KEY_ACTIVE_CONFIG, "ActiveConfig"},
    {IDS_KEY_JOB_FLAG, "JobFlag"},
    {IDS_KEY_NETWORK_COMPATABLE, "NetworkCompatable"},
    {IDS_KEY_WARN_UNK_PJL, "WarnUnkPjl"},
    {IDS_KEY_PJL_LOG, "PJLLog"},
    {IDS_KEY_SYS_MENU_EXIT, "SysMenuExit"},
    {IDS_KEY_PRINTER_INFO, "PrinterInfo"},
    {IDS_KEY_POPUP_DIALOG, "PopupDialog"},
    {IDS_KEY_BMP_DEBUG, "BmpDebug"},
    {IDS_KEY_PRINT_PRINTER_STATUS, "PrintPrinterStatus"},
    {IDS_KEY_FACTORY_DEFAULT, "FactoryDefault"},
    {IDS_KEY_USER_DEFINE_CONSUMPTION, "UserDefineConsumptionPercentage"},
    {IDS_KEY_READ_RETRY_INTERVAL, "ReadRetryInterval"},
    {IDS_KEY_READ_RETRY_TIMES, "ReadRetryTimes"},
    {IDS_SECTION_LOCALIZE, "Localize"},
    {IDS_KEY_MNU_DISP_EXPAND, "MnuDispExpand"},
    {IDS_KEY_MNU_DISP_REDUCE, "MnuDispReduce"},
    {IDS_SECTION_STATUS_OVERRIDE, "Status_Override"},
    {IDS_KEY_STATUS_PRINTING, "STATUS_PRINTING"},
    {IDS_KEY_STATUS_READY, "STATUS_READY"},
    {IDS_SECTION_POPUP_CFG, "PopUpCfg"},
    {IDS_KEY_FOCUS, "Focus"},
    {IDS_KEY_ENABLED_TITLE, "EnabledTitle"},
    {IDS_KEY_DISABLED_TITLE, "DisabledTitle"},
    {IDS_SECTION_PRN_INFO_CFG, "PrnInfoCfg"},
    {IDS_KEY_PRINT_INFO_TITLE, "PrintInfoTitle"},
    {IDS_KEY_CONFIG, "Config"},
    {IDS_KEY_MEM_BASE, "MemBase"},
    {IDS_KEY_ADD_MEM1, "AddMem1"},
    {IDS_SECTION_CODES_TO_BMPS, "CodesToBmps"},
    {IDS_SECTION_BMP_NAMES, "BMPNames"},
    {IDS_SECTION_BMP_OPTIONS, "BMPOptions"},
    {IDS_SECTION_ERROR_MESSAGES, "ErrorMessages"},
    {IDS_SECTION_WARNING_MESSAGES, "WarningMessages"},
    {IDS_SECTION_INACTIVE_POPUPS, "InactivePopups"},
    {IDS_KEY_DEFAULT, "DEFAULT"},
    {IDS_DEFAULT_DRIVER_NAME, "Pelmora"},
    {IDS_SECTION_WINDOWS, "windows"},
    {IDS_KEY_DEVICE, "device"},
};

}  // namespace statmon::testing
