#include "skin/window/SkinWindowRules.h"

#include <cctype>

namespace {
constexpr std::uint32_t WsChild = 0x40000000;
constexpr std::uint32_t WsExMdiChild = 0x40;
constexpr std::uint32_t DsSetForeground = 0x200;
// TSkinControlType members.
constexpr int xcMainMenu = 0, xcPopupMenu = 1, xcMenuItem = 2, xcSystemMenu = 20;
constexpr bool Has(std::uint32_t set, int member) { return (set >> member) & 1u; }
} // namespace

std::string LowerAscii(std::string text) {
    for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool IsPlainChild(std::uint32_t style, std::uint32_t exStyle, const std::string& parentClassName) {
    return (style & WsChild) && !(exStyle & WsExMdiChild) && LowerAscii(parentClassName) != "mdiclient";
}

int SkinWindowRefusal(const TSkinWindowFacts& f) {
    if (!f.applyingAll && IsPlainChild(f.style, f.exStyle, f.parentClassName)) return 5;
    if (!f.hasFrameworkObject && !f.sameModule && f.className != "#32770") return 6;
    if (f.width * f.height == 0 && !(f.exStyle & WsExMdiChild)) return 7;
    if (f.hasFrameworkObject && f.frameworkTag == 99) return 8;
    if (f.className.find("TcxPopupEditPopupWindow") != std::string::npos || f.className == "TApplication") return 9;
    return 0;
}

bool CanSkinWindowBeforeQuery(bool hasMainSkinData, bool previewOption, const std::string& className,
                              std::uint32_t style) {
    if (!hasMainSkinData) return true;
    if (!previewOption && LowerAscii(className).find("preview") != std::string::npos) return false;
    if (className == "#32770" && (style & DsSetForeground)) return false;
    return true;
}

int SelectSkinDataIndex(const std::vector<TSkinDataFacts>& registered, const std::string& className) {
    constexpr int sfMainform = 0, sfOnlyThisForm = 1, sfDialog = 2;
    const int n = int(registered.size());
    for (int i = n - 1; i >= 0; --i)
        if (registered[size_t(i)].formType == sfOnlyThisForm && registered[size_t(i)].ownerIsThisWindow) return i;
    const std::string lower = LowerAscii(className);
    if (lower == "tmessageform" || lower == "#32770")
        for (int i = n - 1; i >= 0; --i)
            if (registered[size_t(i)].formType == sfDialog) return i;
    for (int i = n - 1; i >= 0; --i)
        if (registered[size_t(i)].formType == sfMainform) return i;
    return n > 0 ? 0 : -1;
}

bool PopupKindAllowed(int popupKind, std::uint32_t skinControls) {
    switch (popupKind) {
    case 0: return Has(skinControls, xcPopupMenu);
    case 1: return Has(skinControls, xcMainMenu) || Has(skinControls, xcMenuItem);
    case 2: return Has(skinControls, xcSystemMenu);
    default: return false;
    }
}
