// The frame painter's geometry and decisions as pure functions over plain facts: border metrics from the
// skin's border strips, the window's border kind and show state, the client rectangle of WM_NCCALCSIZE,
// the hit test, the caption-text layout, the size that keeps the client area, and the rectangles of the
// frame's parts. No <windows.h>: the frame painter gathers the facts and does the drawing.
#pragma once

#include <cstdint>
#include <string>

// Window kinds.
enum : int { wkOrdinary = 0, wkMdiFrame = 1, wkMdiChild = 2 };
// Border kinds.
enum : int { bkSizeable = 0, bkSingle = 1, bkNone = 2, bkDialog = 3 };
// Show states.
enum : int { ssNormal = 0, ssMaximized = 1, ssMinimized = 2 };
// Caption-box flags.
enum : int { cbMaximize = 1, cbMinimize = 2, cbSystemMenu = 8, cbCaptionStyleWorkaround = 0x10 };

// Style bits the rules read (the system's values).
namespace frame_style {
inline constexpr std::uint32_t Child = 0x40000000;
inline constexpr std::uint32_t Caption = 0x00C00000;
inline constexpr std::uint32_t ThickFrame = 0x00040000;
inline constexpr std::uint32_t SystemMenu = 0x00080000;
inline constexpr std::uint32_t MinimizeBox = 0x00020000;
inline constexpr std::uint32_t MaximizeBox = 0x00010000;
inline constexpr std::uint32_t DialogBit = 0x80; // DS_MODALFRAME's bit in the plain style
inline constexpr std::uint32_t ExDialogModalFrame = 0x1;
inline constexpr std::uint32_t ExMdiChild = 0x40;
inline constexpr std::uint32_t ExAppWindow = 0x00040000;
inline constexpr std::uint32_t ExLayoutRtl = 0x4000;
} // namespace frame_style

struct TFrameRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const TFrameRect&) const = default;
};

// Left, top (the whole title height), right and bottom border, and the menu bar's height.
struct TFrameMetrics {
    int L = 0, T = 0, R = 0, B = 0, M = 0;
    bool operator==(const TFrameMetrics&) const = default;
};

// The size of one frame of a strip: frame counts come from skin files, so a count below 1 counts as 1.
// Every division by a frame count in the frame painter goes through here.
int FrameExtent(int stripExtent, int frameCount);

// The border strips as the skin gives them: left/right are frames side by side (widths), top/bottom frames
// stacked (heights).
struct TBorderStrips {
    int leftWidth = 0, leftFrames = 1;
    int rightWidth = 0, rightFrames = 1;
    int topHeight = 0, topFrames = 1;
    int bottomHeight = 0, bottomFrames = 1;
};
// L, T, R, B from the strips; all zero (and M zero) for border kind none. M is left as given otherwise.
TFrameMetrics BorderMetrics(const TBorderStrips& strips, int borderKind, int menuHeight);

struct TBorderKindAnswer {
    int kind = bkSingle;
    bool systemDialog = false;
};
TBorderKindAnswer BorderKindOf(std::uint32_t style, std::uint32_t exStyle, const std::string& className);

// From the window placement's show command: 2, 6, 7 minimized, 3 maximized, else normal.
int ShowStateFromShowCommand(int showCommand);
// From WM_SIZE's wParam: 0 normal, 1 minimized, 2 maximized (other values keep `current`).
int ShowStateFromSizeType(int sizeType, int current);

int CaptionBoxesOf(std::uint32_t style, bool hasSystemMenuHandle);

// The system's version as the caption-style workaround needs it.
struct TVersionFacts {
    bool nt = true;
    int major = 6, minor = 1;
};
// Whether the window gets the caption-style workaround (WS_CAPTION taken away while shown normally).
bool NeedsCaptionStyleWorkaround(const TVersionFacts& version, std::uint32_t exStyle, bool hasOwner, bool mdiChild);

// WM_NCCALCSIZE for a window at `proposed` (screen or parent coordinates): the client rectangle inside the
// borders. Never inverted: a window smaller than its borders gets an empty client rectangle inside it.
TFrameRect ClientFromWindow(const TFrameRect& proposed, const TFrameMetrics& m);

// WM_NCHITTEST once the default answer is known; pointY in window coordinates. Only HTNOWHERE (0) and
// HTCAPTION (2) are refined: below y 3 the system's answer stays, then HTCAPTION, then HTMENU (5) inside a
// menu bar.
int RefineHitTest(int defaultCode, int pointY, const TFrameMetrics& m);

// The window size that keeps a client size under the skin borders.
struct TFrameSize {
    int width = 0, height = 0;
    bool operator==(const TFrameSize&) const = default;
};
TFrameSize WindowSizeForClient(int clientWidth, int clientHeight, const TFrameMetrics& m);
// A system dialog narrower than its caption: the new width and how far its children move right.
struct TDialogWidening {
    int width = 0;
    int childShift = 0;
};
TDialogWidening WidenForCaption(int width, int textShift, int textWidth, int textRightClip);

// The rectangles PaintFrame draws (window coordinates of a W x H window).
struct TFrameParts {
    TFrameRect left, right, bottom, top, title, menu;
};
TFrameParts FramePartsOf(int width, int height, const TFrameMetrics& m, bool minimized);
// A part whose rectangle has negative width or height is skipped.
bool PartDrawable(const TFrameRect& r);

// Frame number (1-based) of a border part: the first when active or the strip has one frame, else the second.
int BorderFrameIndex(bool active, int frameCount);

// The caption text's rectangle in the title (title coordinates, width x height).
struct TCaptionFacts {
    int titleWidth = 0, titleHeight = 0;
    int textWidth = 0, textHeight = 0; // measured, before the text-background widths
    int textShift = 0, textShiftVert = 0, textRightClip = 0, textAlignment = 0;
    int backLeft = 0, backRight = 0;
    bool rightToLeft = false;
    bool highBitStyle = false; // style bit 0x80000000 (WS_POPUP): clip against the right-aligned buttons
    int rightButtonsLeft = 0;
    bool dialogBorder = false;
};
TFrameRect PlaceCaptionText(const TCaptionFacts& f);
