#define ID_FILE_OPEN 0xE101
#define IDD_ABOUTBOX 100
#define IDR_MAINFRAME 128
#define IDP_FAILED 0x0101
#define IDW_BAR 0x0E800
#define IDM_OPEN 010
#define  ID_A	7
  	#define	ID_A 7
#define ID_A 7 // the seventh
#define ID_MAX 0xFFFFFFFF
#define IDD_AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA 1
#define IDD_AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA 1
#define IDD_AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA 1
#define ID_A 7/* no blank */
#define IDC_EDIT1 1000
#define ID_X (1)
//#define ID_Y 1
#define ID_Y 100L
# define ID_Z 1
#define
#define ID_NOVALUE
#define 1D_BAD 1
#undef ID_A 1
#define id_lower 1
#define ID_SHADOW ID_FILE_OPEN

