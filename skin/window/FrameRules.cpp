#include "skin/window/FrameRules.h"

#include <algorithm>
#include <cctype>

using namespace frame_style;

int FrameExtent(int stripExtent, int frameCount) { return stripExtent / std::max(1, frameCount); }

TFrameMetrics BorderMetrics(const TBorderStrips& s, int borderKind, int menuHeight) {
    if (borderKind == bkNone) return {};
    TFrameMetrics m;
    m.L = std::max(0, FrameExtent(s.leftWidth, s.leftFrames));
    m.R = std::max(0, FrameExtent(s.rightWidth, s.rightFrames));
    m.T = std::max(0, FrameExtent(s.topHeight, s.topFrames));
    m.B = std::max(0, FrameExtent(s.bottomHeight, s.bottomFrames));
    m.M = std::max(0, menuHeight);
    return m;
}

TBorderKindAnswer BorderKindOf(std::uint32_t style, std::uint32_t exStyle, const std::string& className) {
    TBorderKindAnswer a;
    if ((style & Caption) != Caption) a.kind = bkNone;
    else if (style & ThickFrame) a.kind = bkSizeable;
    else if (style & DialogBit) a.kind = bkDialog;
    if (exStyle & ExDialogModalFrame) a.kind = bkDialog;
    if (className == "#32770" || className == "TMessageForm") {
        a.kind = bkDialog;
        a.systemDialog = true;
    }
    return a;
}

int ShowStateFromShowCommand(int showCommand) {
    if (showCommand == 2 || showCommand == 6 || showCommand == 7) return ssMinimized;
    if (showCommand == 3) return ssMaximized;
    return ssNormal;
}

int ShowStateFromSizeType(int sizeType, int current) {
    switch (sizeType) {
    case 0: return ssNormal;
    case 1: return ssMinimized;
    case 2: return ssMaximized;
    default: return current;
    }
}

int CaptionBoxesOf(std::uint32_t style, bool hasSystemMenuHandle) {
    int boxes = 0;
    if ((style & SystemMenu) || hasSystemMenuHandle) boxes |= cbSystemMenu;
    if (style & MinimizeBox) boxes |= cbMinimize;
    if (style & MaximizeBox) boxes |= cbMaximize;
    return boxes;
}

bool NeedsCaptionStyleWorkaround(const TVersionFacts& v, std::uint32_t exStyle, bool hasOwner, bool mdiChild) {
    if (!(v.nt && v.major > 4 && v.minor == 0)) return false;
    return (exStyle & ExAppWindow) || (!hasOwner && !mdiChild);
}

TFrameRect ClientFromWindow(const TFrameRect& p, const TFrameMetrics& m) {
    TFrameRect c{p.left + m.L, p.top + m.T + m.M, p.right - m.R, p.bottom - m.B};
    // A window smaller than its borders (or minimized to a caption): an empty client inside the window.
    c.left = std::clamp(c.left, p.left, std::max(p.left, p.right));
    c.top = std::clamp(c.top, p.top, std::max(p.top, p.bottom));
    c.right = std::max(c.right, c.left);
    c.bottom = std::max(c.bottom, c.top);
    return c;
}

int RefineHitTest(int defaultCode, int pointY, const TFrameMetrics& m) {
    if (defaultCode != 0 && defaultCode != 2) return defaultCode;
    if (pointY <= 3) return defaultCode;
    if (pointY > m.T && m.M > 0) return 5;
    return 2;
}

TFrameSize WindowSizeForClient(int clientWidth, int clientHeight, const TFrameMetrics& m) {
    return {std::max(0, clientWidth) + m.L + m.R, std::max(0, clientHeight) + m.T + m.B + m.M};
}

TDialogWidening WidenForCaption(int width, int textShift, int textWidth, int textRightClip) {
    const int needed = textShift + textWidth + textRightClip;
    if (width >= needed) return {width, 0};
    return {needed, (needed - width) / 2};
}

TFrameParts FramePartsOf(int w, int h, const TFrameMetrics& m, bool minimized) {
    TFrameParts p;
    if (minimized) {
        p.title = {0, 0, w, h};
        p.top = {0, 0, w, m.T};
        return p;
    }
    p.left = {0, 0, m.L, h};
    p.right = {w - m.R, 0, w, h};
    p.bottom = {m.L, h - m.B, w - m.R, h};
    p.title = {0, 0, w, m.T};
    p.top = {m.L, 0, w - m.R, m.T};
    p.menu = {m.L, m.T, w - m.R, m.T + m.M};
    return p;
}

bool PartDrawable(const TFrameRect& r) { return r.Width() >= 0 && r.Height() >= 0; }

int BorderFrameIndex(bool active, int frameCount) { return (active || frameCount <= 1) ? 1 : 2; }

TFrameRect PlaceCaptionText(const TCaptionFacts& f) {
    const int width = f.textWidth + f.backLeft + f.backRight;
    int left;
    const int alignment = f.rightToLeft ? 2 : f.textAlignment;
    switch (alignment) {
    case 0: left = f.textShift; break;
    case 1: left = (f.titleWidth - width) / 2; break;
    case 2: left = f.titleWidth - f.textRightClip - width; break;
    default: left = 0; break;
    }
    const int top = (f.titleHeight - f.textHeight) / 2 + f.textShiftVert / 2;
    TFrameRect r{left, top, left + width, top + f.textHeight};
    if (f.highBitStyle) {
        if (f.rightButtonsLeft > 5) r.right = std::min(r.right, f.rightButtonsLeft - 5);
    } else {
        r.right = std::min(r.right, f.titleWidth - f.textRightClip);
    }
    if (f.dialogBorder && f.textAlignment == 0) r.left -= 16;
    return r;
}
