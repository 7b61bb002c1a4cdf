// The gallery's MDI window: a raw MDI frame with a menu bar (File, Window) and three children, for the skinned
// MDI frame, its children and the maximized child's buttons in the frame's menu bar.
#pragma once

#include <windows.h>

#define IDM_MDI_NEW 200
#define IDM_MDI_CLOSE_CHILD 201
#define IDM_MDI_CLOSE 202
#define IDM_MDI_CASCADE 210
#define IDM_MDI_TILE 211
#define IDM_MDI_FIRST_CHILD 300

// Creates the MDI frame (owned by `owner`) with three children and shows it.
HWND ShowMdiWindow(HWND owner);
// The frame's MDI client, for tests.
HWND MdiClientOf(HWND frame);
