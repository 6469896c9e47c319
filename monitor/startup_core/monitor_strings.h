// Ids of the monitor's string table. Plain #defines so that statmon.rc and the
// portable configuration code share one list. The section and key names of
// the configuration file are kept in the string table (700-754) so that a
// translation of the resources never changes what the monitor reads.
#pragma once

// Messages.
#define IDS_JOB_COMPLETE 508
#define IDS_TOTAL_COUNTER 511
#define IDS_TRAY3_INSTALLED 516
#define IDS_CANNOT_CONNECT 517
#define IDS_NIC_INSTALLED 518
#define IDS_PRINTER_MEMORY 519
#define IDS_UNIT_BYTES 520
#define IDS_UNIT_KB 521
#define IDS_UNIT_MB 522
#define IDS_PAGE_COUNT 523
#define IDS_TRAY2_INSTALLED 525
#define IDS_DUPLEX_INSTALLED 526
#define IDS_PRINTER_STATUS 527
#define IDS_SECTION_MISSING 528
#define IDS_INSTALLED_MEMORY 529
#define IDS_ENTRY_MISSING 530
#define IDS_INI_DATA_MISSING 545
#define IDS_UNDEFINED_INTERNAL_CODE 552
#define IDS_UNDEFINED_INTERNAL_RECOVERY 553
#define IDS_UNDEFINED_PJL_CODE 554
#define IDS_UNDEFINED_PJL_RECOVERY 555
#define IDS_JOB_CANCELLED 556
// Shown when the resource library cannot be loaded; kept apart from the
// numbered message range above.
#define IDS_RESOURCE_DLL_MISSING 100

// Section "Misc" and its keys.
#define IDS_SECTION_MISC 700
#define IDS_KEY_RESOURCE_DLL 701
#define IDS_KEY_DLL_BITMAP_SIZE 702
#define IDS_KEY_PJL_CAPABILITIES 703
#define IDS_KEY_DRIVER_NAME 704
#define IDS_KEY_DRIVER_ID 705
#define IDS_KEY_MAIN_DLG 706
#define IDS_KEY_STATUS_TITLE 707
#define IDS_KEY_ABOUT_TITLE 708
#define IDS_KEY_ABOUT_OK 709
#define IDS_KEY_HELP_FILE_NAME 710
#define IDS_KEY_RESET_PRINT_JOB_INFO 711
#define IDS_KEY_USE_TIMER 712
#define IDS_KEY_TIME_VALUE 713
#define IDS_KEY_USTATUS_TIMEOUT 714
#define IDS_KEY_USTATUS_DTIMED 715
#define IDS_KEY_ACTIVE_CONFIG 716
#define IDS_KEY_JOB_FLAG 717
#define IDS_KEY_NETWORK_COMPATABLE 718
#define IDS_KEY_WARN_UNK_PJL 719
#define IDS_KEY_PJL_LOG 720
#define IDS_KEY_SYS_MENU_EXIT 721
#define IDS_KEY_PRINTER_INFO 722
#define IDS_KEY_POPUP_DIALOG 723
#define IDS_KEY_BMP_DEBUG 724
#define IDS_KEY_PRINT_PRINTER_STATUS 725
#define IDS_KEY_FACTORY_DEFAULT 726
#define IDS_KEY_USER_DEFINE_CONSUMPTION 727
#define IDS_KEY_READ_RETRY_INTERVAL 728
#define IDS_KEY_READ_RETRY_TIMES 729
// Section "Localize".
#define IDS_SECTION_LOCALIZE 730
#define IDS_KEY_MNU_DISP_EXPAND 731
#define IDS_KEY_MNU_DISP_REDUCE 732
// Section "Status_Override".
#define IDS_SECTION_STATUS_OVERRIDE 733
#define IDS_KEY_STATUS_PRINTING 734
#define IDS_KEY_STATUS_READY 735
// Section "PopUpCfg".
#define IDS_SECTION_POPUP_CFG 736
#define IDS_KEY_FOCUS 737
#define IDS_KEY_ENABLED_TITLE 738
#define IDS_KEY_DISABLED_TITLE 739
// Section "PrnInfoCfg".
#define IDS_SECTION_PRN_INFO_CFG 740
#define IDS_KEY_PRINT_INFO_TITLE 741
#define IDS_KEY_CONFIG 742
#define IDS_KEY_MEM_BASE 743
#define IDS_KEY_ADD_MEM1 744
// Status mapping sections.
#define IDS_SECTION_CODES_TO_BMPS 745
#define IDS_SECTION_BMP_NAMES 746
#define IDS_SECTION_BMP_OPTIONS 747
#define IDS_SECTION_ERROR_MESSAGES 748
#define IDS_SECTION_WARNING_MESSAGES 749
#define IDS_SECTION_INACTIVE_POPUPS 750
#define IDS_KEY_DEFAULT 751
// The driver name looked for when the window chooses its printer and
// [Misc] DriverName is missing.
#define IDS_DEFAULT_DRIVER_NAME 752
// The user profile's default printer entry: section "windows", key "device".
#define IDS_SECTION_WINDOWS 753
#define IDS_KEY_DEVICE 754
