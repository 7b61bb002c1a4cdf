// The gallery's raw dialog: a dialog box from a dialog template with bare "Button" windows of every style,
// a bare tab control, header and status bar, for the by-handle rules (and their screenshots).
#pragma once

#include <windows.h>

#define IDD_RAWBUTTONS 100
#define IDC_RAW_PUSH 101
#define IDC_RAW_DEFAULT 102
#define IDC_RAW_CHECK 103
#define IDC_RAW_AUTOCHECK 104
#define IDC_RAW_3STATE 105
#define IDC_RAW_RADIO 106
#define IDC_RAW_AUTORADIO 107
#define IDC_RAW_GROUP 108
#define IDC_RAW_OWNERDRAW 109
#define IDC_RAW_PICTURE 110
#define IDC_RAW_DISABLED 111
#define IDC_RAW_TWOLINES 112
#define IDC_RAW_LISTBOX 140
#define IDC_RAW_LISTVIEW 141
#define IDC_RAW_COMBO 142
#define IDC_RAW_TRACKBAR 150
#define IDC_RAW_TRACKBAR_VERTICAL 151
#define IDC_RAW_UPDOWN 152
#define IDC_RAW_DATETIME 153
#define IDC_RAW_COMBO_DROPDOWN 154
#define IDC_RAW_COMBO_SIMPLE 155
#define IDC_RAW_UPDOWN_BUDDY 156
#define IDC_RAW_TABS 113
#define IDC_RAW_HEADER 114
#define IDC_RAW_STATUS 115

#ifndef RC_INVOKED
// Creates the modeless dialog from the template in this module (owned by `owner`) and shows it.
HWND ShowRawButtonDialog(HWND owner);
// How many WM_COMMAND clicks each button sent the dialog (by control id), for tests.
int RawDialogClicks(int id);
#endif
