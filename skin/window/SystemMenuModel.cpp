#include "skin/window/SystemMenuModel.h"

bool IsOldNT(const SystemVersionFacts& v) { return v.nt && !v.win9x && v.major < 5; }

bool CloseItemAssumed(const SystemVersionFacts& v) { return IsOldNT(v) || v.win9x; }

namespace {

SkinMenuModel FixedSystemMenu(const SystemMenuWindowFacts& w) {
    SkinMenuModel m;
    m.fixed = true;
    auto add = [&](const wchar_t* caption, int tag, const wchar_t* shortcut = L"") {
        SkinMenuItem item;
        item.caption = caption;
        item.shortcut = shortcut;
        item.tag = tag;
        item.imageIndex = tag;
        m.items.push_back(item);
    };
    add(L" Restore ", 0);
    if (w.captionBox & 1) add(L" Maximize ", 1);
    if (w.captionBox & 2) add(L" Minimize ", 2);
    add(L"-", 100);
    add(L" Close ", 3, L"ALT+F4");
    return m;
}

} // namespace

SkinMenuModel BuildSystemMenu(const SystemVersionFacts& version, const SystemMenuWindowFacts& w,
                              const std::vector<SystemMenuSourceItem>& source) {
    if (IsOldNT(version)) return FixedSystemMenu(w);
    SkinMenuModel m;
    m.tag = SystemMenuTag;
    if (!w.hasSystemMenu) return m;
    const bool maximized = w.showState == 1;
    const bool minimized = w.showState == 2;
    for (const SystemMenuSourceItem& s : source) {
        SkinMenuItem item;
        item.caption = (s.separator || s.text.empty()) ? std::wstring(L"-") : s.text;
        item.tag = static_cast<int>(s.id);
        // A grayed item is as unusable as a disabled one.
        item.enabled = (s.state & (MenuStateGrayed | MenuStateDisabled)) == 0;
        item.checked = (s.state & MenuStateChecked) != 0;
        item.defaultItem = (s.state & MenuStateDefault) != 0;
        switch (s.id) {
        case ScSize:
        case ScMove: item.enabled = !maximized; break;
        case ScMinimize:
            item.imageIndex = 2;
            item.enabled = !minimized && (w.captionBox & 2);
            break;
        case ScMaximize:
            item.imageIndex = 1;
            item.enabled = !maximized && (w.captionBox & 1);
            break;
        case ScClose:
            item.imageIndex = 3;
            break;
        case ScRestore:
            item.imageIndex = 0;
            item.enabled = maximized || minimized;
            break;
        default: break;
        }
        if (item.IsSeparator()) item.enabled = false;
        m.items.push_back(item);
    }
    return m;
}

SystemMenuChoice ChooseSystemMenuItem(const SkinMenuModel& model, const SkinMenuItem& item) {
    if (item.IsSeparator() || !item.enabled) return {};
    if (!model.fixed) return {TSystemMenuEffect::SysCommand, static_cast<unsigned>(item.tag)};
    switch (item.tag) {
    case 0: return {TSystemMenuEffect::Restore};
    case 1: return {TSystemMenuEffect::ToggleMaximize};
    case 2: return {TSystemMenuEffect::ToggleMinimize};
    case 3: return {TSystemMenuEffect::Close};
    default: return {};
    }
}
