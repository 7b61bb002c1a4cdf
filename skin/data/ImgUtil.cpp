#include "skin/data/ImgUtil.h"

#include "runtime/Controls.h"
#include "runtime/SysUtils.h"
#include "skin/window/SkinManage.h"

#include <algorithm>
#include <vector>

std::uint32_t ColorToRGBValue(std::uint32_t colour) {
    if ((colour >> 24) == 0xFF) return GetSysColor(static_cast<int>(colour & 0xFF));
    return colour & 0xFFFFFF;
}

std::uint32_t Blend(std::uint32_t a, std::uint32_t b, int weight) {
    // Only system colour references (negative as signed values) are resolved; other values are mixed as
    // they are, their top byte ignored.
    if (static_cast<std::int32_t>(a) < 0) a = ColorToRGBValue(a);
    if (static_cast<std::int32_t>(b) < 0) b = ColorToRGBValue(b);
    return BlendRGB(a, b, weight);
}

GradientCache& SharedGradientCache() {
    static GradientCache cache;
    return cache;
}

void ReleaseGradientCache() { SharedGradientCache().Clear(); }

void GradientFill(HDC dc, const RECT& rect, std::uint32_t c1, bool vertical, std::uint32_t c2) {
    if (!RectVisible(dc, &rect)) return;
    c1 = ColorToRGBValue(c1);
    c2 = ColorToRGBValue(c2);
    const int steps = vertical ? rect.bottom - rect.top : rect.right - rect.left;
    if (steps <= 0) return;
    RECT clip{};
    GetClipBox(dc, &clip);
    const GradientSteps range = vertical ? VisibleGradientSteps(rect.top, rect.bottom, clip.top, clip.bottom)
                                         : VisibleGradientSteps(rect.left, rect.right, clip.left, clip.right);
    const std::vector<std::uint32_t>& table = SharedGradientCache().Get(steps, c1, c2);
    for (int i = std::max(range.first, 0); i <= std::min(range.last, steps - 1); ++i) {
        RECT band = rect;
        if (vertical) {
            band.top = rect.top + i;
            band.bottom = band.top + 1;
        } else {
            band.left = rect.left + i;
            band.right = band.left + 1;
        }
        HBRUSH brush = CreateSolidBrush(table[static_cast<std::size_t>(i)]);
        FillRect(dc, &band, brush);
        DeleteObject(brush);
    }
}

std::wstring AnsiToWide(std::string_view text) { return WideFromAnsi(text); }

int DrawTextWide(HDC dc, const std::wstring& text, RECT& rect, UINT format) {
    if (IsNTPlatform) return DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
    const std::string ansi = AnsiFromWide(text);
    return DrawTextA(dc, ansi.c_str(), -1, &rect, format);
}

TWinControl* ControlFromWindow(HWND window) {
    if (!window) return nullptr;
    return static_cast<TWinControl*>(GetPropW(window, MAKEINTATOM(ControlAtom())));
}
