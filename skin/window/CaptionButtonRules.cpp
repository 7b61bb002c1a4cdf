#include "skin/window/CaptionButtonRules.h"

#include <algorithm>

namespace {

bool HasSystemMenu(const CaptionWindowFacts& f) { return (f.captionBox & cbSystemMenu) != 0; }
bool HasMinimize(const CaptionWindowFacts& f) { return (f.captionBox & cbMinimize) != 0; }
bool HasMaximize(const CaptionWindowFacts& f) { return (f.captionBox & cbMaximize) != 0; }

} // namespace

bool VisibilityCodeHolds(int code, bool second, int action, const CaptionWindowFacts& f,
                         const TAskButtonVisible& ask) {
    switch (code) {
    case 0: return true;
    case 1: return f.showState == ssMaximized;
    case 2: return f.showState != ssMaximized;
    case 3: return f.active;
    case 4: return !f.active;
    case 6:
        if (second) return HasMinimize(f) || HasMaximize(f);
        return HasSystemMenu(f) && (HasMinimize(f) || HasMaximize(f));
    case 7: return !HasMaximize(f);
    case 8:
        if (second) return HasMinimize(f) || HasMaximize(f);
        return HasSystemMenu(f) && (HasMinimize(f) || HasMaximize(f));
    case 9: return !HasMinimize(f);
    case VisibilityMenuBar: return f.mdiChildMaximized && f.hasMenuBar;
    case 200: return !second && f.borderKind == bkDialog && !f.systemDialog;
    case -1: return !second;
    default: break;
    }
    if (code >= 201 && code <= 999) return !second;
    if (code >= 1000 && code <= 2000) return !second && ask && ask(code, action) > 0;
    return false;
}

CaptionButtonState UpdateButtonState(int visibility, int visibility1, int action, bool enabled,
                                     const CaptionWindowFacts& f, const TAskButtonVisible& ask) {
    CaptionButtonState s;
    s.visible = VisibilityCodeHolds(visibility, false, action, f, ask) &&
                VisibilityCodeHolds(visibility1, true, action, f, ask);
    s.enabled = enabled;
    switch (action) {
    case 0:
        if (!HasSystemMenu(f)) s.visible = false;
        break;
    case 1: s.enabled = HasMaximize(f) && HasSystemMenu(f); break;
    case 2: s.enabled = HasMinimize(f) && HasSystemMenu(f); break;
    case 3:
    case 11:
    case 12:
        if (f.borderKind == bkDialog) s.visible = false;
        break;
    default: break;
    }
    return s;
}

TButtonActionKind ActionKindOf(int action) {
    switch (action) {
    case 0: return TButtonActionKind::Close;
    case 1:
    case 22: return TButtonActionKind::Maximize;
    case 2:
    case 23: return TButtonActionKind::Minimize;
    case 3:
    case 11:
    case 12: return TButtonActionKind::SystemMenu;
    case 7:
    case 60: return TButtonActionKind::MdiMinimize;
    case 8:
    case 61: return TButtonActionKind::MdiRestore;
    case 9:
    case 62: return TButtonActionKind::MdiClose;
    default: return TButtonActionKind::Custom;
    }
}

bool IsIconAction(int action) { return action == 3 || action == 11; }

int SafeFrameCount(int frameCount) { return frameCount < 1 ? 1 : frameCount; }

GeoRect PlaceButton(int align, int xcoord, int ycoord, int w, int h, const CaptionPlacementFacts& f) {
    int x = 0;
    int y = 0;
    switch (align) {
    case 0: x = xcoord, y = ycoord; break;
    case 1: x = f.windowWidth - xcoord, y = ycoord; break;
    case 2:
    case 8: x = f.captionLeft - w - xcoord, y = ycoord; break;
    case 3:
    case 9: x = f.captionRight + xcoord, y = ycoord; break;
    case 100:
        x = f.windowWidth - xcoord - f.rightBorder - f.menuBarLeft;
        y = f.topBorder + (f.menuHeight - h) / 2;
        break;
    default: break;
    }
    return {x, y, x + w, y + h};
}

int ButtonStateFrame(int state, bool enabled, int frameCount, int visibility) {
    const int count = SafeFrameCount(frameCount);
    int frame = state;
    if (!enabled)
        frame = count > 3 ? 4 : 1;
    else if (visibility == VisibilityMenuBar && state == NCStateHot)
        frame = 4;
    return std::clamp(frame, 1, count);
}

int ButtonTitleFrame(bool windowActive, bool enabled, int frameCount) {
    return (SafeFrameCount(frameCount) >= 4 && (!windowActive || !enabled)) ? 4 : 1;
}

int ButtonAt(const std::vector<CaptionButtonHit>& buttons, int x, int y) {
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const CaptionButtonHit& b = buttons[i];
        if (b.visible && b.action >= 0 && x >= b.rect.left && x < b.rect.right && y >= b.rect.top &&
            y < b.rect.bottom)
            return static_cast<int>(i);
    }
    return -1;
}
