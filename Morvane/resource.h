// Resource identifiers, shared by the resource script and the code.
#pragma once

// The checker dialog.
#define IDD_CHECKER 102
#define IDI_CHECKER 128
#define IDC_LAYOUT_LIST 1000
#define IDC_MESSAGE_TEXT 1001
#define IDC_SHOW_MORE 1026

// The About box and its item in the checker dialog's system menu. The
// command keeps its four low bits clear, as system commands must.
#define IDD_ABOUT 100
#define IDS_ABOUT_ITEM 101
#define IDM_ABOUT 0x0010
