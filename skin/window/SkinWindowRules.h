// The skin manager's decisions as pure functions over a plain record of a window's facts: which window
// gets a frame painter (the window tests of SkinWindow), CanSkinWindow before the skin data's own
// question, and which registered skin data component serves a window. No <windows.h>.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What SkinWindow knows about a window once it has looked for its framework object.
struct TSkinWindowFacts {
    bool applyingAll = false;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    std::string parentClassName; // empty without a parent
    bool hasFrameworkObject = false;
    int frameworkTag = 0;
    bool sameModule = false;     // GWL_HINSTANCE is the program's module
    std::string className;
    long long width = 0, height = 0;
};

// The window tests of SkinWindow, in their order: 0 when every one holds, else the number of the first
// that fails (5 plain child, 6 foreign window, 7 zero size, 8 tag 99, 9 excluded class).
int SkinWindowRefusal(const TSkinWindowFacts& f);
// A child window that is neither an MDI child nor a child of an "MDIClient".
bool IsPlainChild(std::uint32_t style, std::uint32_t exStyle, const std::string& parentClassName);

// CanSkinWindow up to the skin data's own QueryFormSkin: the answer that is handed to it.
bool CanSkinWindowBeforeQuery(bool hasMainSkinData, bool previewOption, const std::string& className,
                              std::uint32_t style);

// A registered skin data component as SelectSkinData sees it.
struct TSkinDataFacts {
    int formType = 0;            // sfMainform 0, sfOnlyThisForm 1, sfDialog 2, sfDLL 3
    bool ownerIsThisWindow = false;
};
// The index of the component that serves the window, or -1.
int SelectSkinDataIndex(const std::vector<TSkinDataFacts>& registered, const std::string& className);

// Whether a menu of popup kind 0 (context), 1 (window menu / menu-bar drop-down) or 2 (system menu) is
// skinned under the component's SkinControls (bit i = TSkinControlType member i).
bool PopupKindAllowed(int popupKind, std::uint32_t skinControls);

std::string LowerAscii(std::string text);
