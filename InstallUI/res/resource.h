// Resource identifiers of the program's .rc files.
#pragma once

#define IDR_MAINFRAME            128
#define IDR_TRAY_MENU            129
#define IDD_ABOUTBOX             100
#define IDS_ABOUTBOX             101
#define IDD_APPLICATION_DIALOG   102

// Controls of the main window.
#define IDC_BTN_CLOSE            1001
#define IDC_LBL_TITLE            1004

// Commands.
#define IDM_ABOUTBOX             0x0010
#define ID_TRAY_EXIT             32772

#ifndef IDC_STATIC
#define IDC_STATIC               (-1)
#endif
