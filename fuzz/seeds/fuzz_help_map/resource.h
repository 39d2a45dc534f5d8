//{{NO_DEPENDENCIES}}
// Microsoft Developer Studio generated include file.
// Used by Ledger.rc
//
#define IDD_ABOUTBOX                    100
#define IDP_OLE_INIT_FAILED             100
#define IDP_SAVE_FAILED                 0x0101
#define IDR_MAINFRAME                   128
#define IDR_LEDGERTYPE                  129
#define IDD_ACCOUNT_PROPERTIES          130
#define IDD_LEDGER_OPTIONS_PAGE_NUMBER_ONE      131
#define IDD_LEDGER_OPTIONS_PAGE_NUMBER_TWO_X    132
#define IDD_LEDGER_OPTIONS_PAGE_NUMBER_THREE_XX 133
#define IDC_ACCOUNT_NAME                1000
#define IDC_BALANCE                     1001
#define ID_ACCOUNT_NEW                  32771
#define ID_ACCOUNT_CLOSE                32772
#define	ID_ACCOUNT_REOPEN	32773
#define  ID_A	7
#define IDM_VIEW_LEDGER                 010
#define IDM_VIEW_JOURNAL                0X8010
#define IDM_ZERO                        0
#define IDW_BAR                         0x0E800
#define IDW_STATUS_PANE                 0xE801 // status bar pane
#define ID_FILE_OPEN                    0xE101
#define ID_X                            (1)
#define ID_Y_LONG                       100L
#define ID_Z_BAD_HEX                    0x1G
#define IDD_BAD_OCTAL                   09
#define ID_SHADOW                       ID_FILE_OPEN
//#define ID_COMMENTED_OUT              5
// #define ID_ALSO_COMMENTED            6
#define id_lower_case                   8
#define IDS_APP_TITLE                   57344
#define IDOK_LIKE                       1
# define ID_SPACED_HASH                 9
#define ID_HELP_INDEX_0123456789_ABCDEF_GHIJ 0xFFFFFFFF

// Next default values for new objects
//
#ifdef APSTUDIO_INVOKED
#ifndef APSTUDIO_READONLY_SYMBOLS
#define _APS_3D_CONTROLS                     1
#define _APS_NEXT_RESOURCE_VALUE        134
#define _APS_NEXT_COMMAND_VALUE         32774
#define _APS_NEXT_CONTROL_VALUE         1002
#define _APS_NEXT_SYMED_VALUE           101
#endif
#endif
