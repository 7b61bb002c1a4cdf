// The skinned system menu as a plain list of items: mirrored from the window's own system menu, or the
// fixed menu built on systems whose system menus cannot be read back reliably. Which one, and what each
// item does when chosen, is decided here over the window's facts and the system's version facts.
#pragma once

#include <string>
#include <vector>

// The system's version facts: platform, major and minor version (the Windows 9x family has the top
// bit of its version word set).
struct SystemVersionFacts {
    bool nt = true;
    int major = 6;
    int minor = 1;
    bool win9x = false;
};
// Windows NT before version 5.
bool IsOldNT(const SystemVersionFacts& v);
// Whether the close button may trust that the system menu has a close item without looking.
bool CloseItemAssumed(const SystemVersionFacts& v);

// System command ids.
inline constexpr unsigned ScSize = 0xF000;
inline constexpr unsigned ScMove = 0xF010;
inline constexpr unsigned ScMinimize = 0xF020;
inline constexpr unsigned ScMaximize = 0xF030;
inline constexpr unsigned ScClose = 0xF060;
inline constexpr unsigned ScKeyMenu = 0xF100;
inline constexpr unsigned ScRestore = 0xF120;
// The system command id in a WM_SYSCOMMAND wParam (the low four bits are the system's own).
inline unsigned SysCommandId(unsigned wParam) { return wParam & 0xFFF0; }

// Menu item state bits as the system reports them.
inline constexpr unsigned MenuStateGrayed = 1;
inline constexpr unsigned MenuStateDisabled = 2;
inline constexpr unsigned MenuStateChecked = 8;
inline constexpr unsigned MenuStateDefault = 0x1000;

// One item of the window's system menu as read from it.
struct SystemMenuSourceItem {
    std::wstring text;
    unsigned id = 0;
    unsigned state = 0;
    bool separator = false;
};

struct SkinMenuItem {
    std::wstring caption; // "-" for a separator; may carry a tab and the shortcut
    std::wstring shortcut;
    int tag = 0;
    int imageIndex = -1;
    bool enabled = true;
    bool checked = false;
    bool defaultItem = false;
    bool IsSeparator() const { return caption == L"-"; }
};

// The tag of the mirrored system menu.
inline constexpr int SystemMenuTag = 33333;

struct SkinMenuModel {
    int tag = 0;
    bool fixed = false;
    std::vector<SkinMenuItem> items;
};

struct SystemMenuWindowFacts {
    int showState = 0;  // 0 normal, 1 maximized, 2 minimized
    int captionBox = 0; // 8 system menu, 2 minimize box, 1 maximize box
    bool hasSystemMenu = false;
};

// The fixed menu on NT before 5; otherwise the mirror of `source` (empty without a system menu).
SkinMenuModel BuildSystemMenu(const SystemVersionFacts& version, const SystemMenuWindowFacts& window,
                              const std::vector<SystemMenuSourceItem>& source);

// What choosing an item does to the window.
enum class TSystemMenuEffect { None, Restore, ToggleMaximize, ToggleMinimize, Close, SysCommand };
struct SystemMenuChoice {
    TSystemMenuEffect effect = TSystemMenuEffect::None;
    unsigned command = 0; // for SysCommand
};
SystemMenuChoice ChooseSystemMenuItem(const SkinMenuModel& model, const SkinMenuItem& item);
