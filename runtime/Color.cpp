#include "runtime/Color.h"

#include "runtime/SysUtils.h"

#include <charconv>
#include <cstdio>
#include <iterator>

namespace {
struct NamedColor {
    TColor value;
    const char* name;
};
const NamedColor namedColors[] = {
    {clBlack, "clBlack"}, {clMaroon, "clMaroon"}, {clGreen, "clGreen"}, {clOlive, "clOlive"},
    {clNavy, "clNavy"}, {clPurple, "clPurple"}, {clTeal, "clTeal"}, {clGray, "clGray"},
    {clSilver, "clSilver"}, {clRed, "clRed"}, {clLime, "clLime"}, {clYellow, "clYellow"},
    {clBlue, "clBlue"}, {clFuchsia, "clFuchsia"}, {clAqua, "clAqua"}, {clWhite, "clWhite"},
    {clScrollBar, "clScrollBar"}, {clBackground, "clBackground"}, {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"}, {clMenu, "clMenu"}, {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"}, {clMenuText, "clMenuText"}, {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"}, {clActiveBorder, "clActiveBorder"}, {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"}, {clHighlight, "clHighlight"}, {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"}, {clBtnShadow, "clBtnShadow"}, {clGrayText, "clGrayText"}, {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"}, {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"}, {cl3DLight, "cl3DLight"}, {clInfoText, "clInfoText"}, {clInfoBk, "clInfoBk"},
    {clNone, "clNone"}, {clDefault, "clDefault"},
};
} // namespace

std::string ColorToString(TColor c) {
    for (const auto& n : namedColors)
        if (n.value == c) return n.name;
    char buf[16];
    std::snprintf(buf, sizeof buf, "$%08X", unsigned(c));
    return buf;
}

std::optional<TColor> StringToColor(std::string_view text) {
    for (const auto& n : namedColors)
        if (SameText(n.name, text)) return n.value;
    if (text.empty()) return std::nullopt;
    if (text[0] == '$') {
        uint32_t v = 0;
        auto r = std::from_chars(text.data() + 1, text.data() + text.size(), v, 16);
        if (text.size() < 2 || r.ec != std::errc() || r.ptr != text.data() + text.size()) return std::nullopt;
        return v;
    }
    int64_t v = 0;
    auto r = std::from_chars(text.data(), text.data() + text.size(), v, 10);
    if (r.ec != std::errc() || r.ptr != text.data() + text.size() || v < INT32_MIN || v > UINT32_MAX) return std::nullopt;
    uint32_t u = static_cast<uint32_t>(v);
    if ((u & 0xFF000000u) == 0x80000000u) u = clSystemColor | (u & 0xFF); // old signed system-colour form
    return u;
}
