// The private window messages of the skinning engine. Their numbers are a contract between the skin
// manager, the frame painter, the caption buttons, the menus and the control painters: never renumber
// one. Every part of the engine takes them from here (add new ones here too).
//
// The framework's own ranges keep clear of these: CM_ notifications start at 0xB000 and the reflected
// CN_ messages at 0xB400..0xB7FF (runtime/Controls.h), so 0xBC4A..0xBC4E below are free for the engine.
#pragma once

// Repaint the whole frame now.
inline constexpr unsigned WM_SKIN_REPAINT = 0x3502;
// Posted by the skin manager right after a frame painter is attached (wParam 0, lParam 1000).
inline constexpr unsigned WM_SKIN_ACTIVATE = 0x3503;
// To a control painter: wParam > 0 switches its painting on and redraws, 0 or less switches it off.
inline constexpr unsigned WM_SKIN_SWITCH = 0x3506;
// Sent to the frame painter's window by a tab painter for a tab's close box (wParam tab control, lParam index).
inline constexpr unsigned WM_SKIN_CLOSETAB = 0x3507;
// Posted for a caption button whose action is not built in; wParam = the action.
inline constexpr unsigned WM_SKIN_BUTTONACTION = 0x3514;
// Sent to ask whether a caption button with visibility code 1000..2000 shows (wParam code, lParam action).
inline constexpr unsigned WM_SKIN_BUTTONVISIBLE = 0x3515;
// Posted to the MDI client kept by the skin manager; wParam = the MDI child.
inline constexpr unsigned WM_SKIN_MDIREDRAW = 0x3516;
// Sent by a scroll-bar painter: replace the painter serving the window in wParam.
inline constexpr unsigned WM_SKIN_REBUILDSCROLL = 0x3517;
// Open the menu-bar item under the point in lParam (as in WM_NCMOUSEMOVE).
inline constexpr unsigned WM_SKIN_MENUHOVER = 0x3518;
// Whether the window is skinned: a skinned window, painter or popup menu answers 1.
inline constexpr unsigned WM_SKIN_QUERY = 0x3523;
// Performed on a framework form after its skin data changed.
inline constexpr unsigned WM_SKIN_CHANGED = 0x3401;
// With lParam SkinMessageTag: an edit paints its client content into the DC in wParam.
inline constexpr unsigned WM_SKIN_PAINTCLIENT = 0xBC4A;
// With lParam SkinMessageTag: paint the frame (or border) into the DC in wParam; result SkinMessageTag.
inline constexpr unsigned WM_SKIN_PAINTDC = 0xBC4B;
// Result SkinMessageTag when lParam is SkinMessageTag, else 1.
inline constexpr unsigned WM_SKIN_PING = 0xBC4D;
// Sent to the window itself (wParam 0, lParam SkinMessageTag) when skinning it has finished.
inline constexpr unsigned WM_SKIN_DONE = 0xBC4E;

// The tag that the 0xBC4x messages carry in lParam and answer with.
inline constexpr long SkinMessageTag = 0x41A2;
// lParam of WM_SKIN_ACTIVATE as the skin manager posts it.
inline constexpr long SkinActivateTag = 1000;
