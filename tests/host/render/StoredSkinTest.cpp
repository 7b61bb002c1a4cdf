// The stored skin as its source folder holds it: the geometry the engine relies on, every image the
// definition names, shaped corners, and centres that stay clean when the painters stretch them.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "runtime/BmpCodec.h"
#include "skin/data/WinSkinIni.h"

namespace {

const std::string Folder = std::string(GRV_SOURCE_DIR) + "/resources/skin/";
constexpr std::uint32_t Magenta = 0xFF00FF;

std::vector<std::uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const TPixelImage& Image(const std::string& name) {
    static std::map<std::string, TPixelImage> cache;
    auto it = cache.find(name);
    if (it != cache.end()) return it->second;
    TPixelImage& image = cache[name];
    const auto bytes = ReadFile(Folder + name);
    DecodeBmpFile(bytes.data(), bytes.size(), image);
    return image;
}

std::uint32_t Rgb(const TPixelImage& image, int x, int y) { return image.At(x, y) & 0xFFFFFF; }

const TQuickIni& Definition() {
    static TQuickIni ini = [] {
        TQuickIni parsed;
        const auto bytes = ReadFile(Folder + "skin.ini");
        parsed.LoadFromText(std::string(bytes.begin(), bytes.end()));
        return parsed;
    }();
    return ini;
}

} // namespace

TEST(StoredSkin, GeometryTheEngineRelieson) {
    struct Case {
        const char* name;
        int width, height;
    } cases[] = {
        {"frame_top.bmp", 323, 42},   {"frame_left.bmp", 8, 294},  {"frame_right.bmp", 8, 294},
        {"frame_bottom.bmp", 323, 8}, {"pushbutton.bmp", 400, 21}, {"scrollbar.bmp", 391, 17},
        {"mdi_buttons.bmp", 180, 15}, {"check.bmp", 156, 13},      {"radio.bmp", 104, 13},
        {"btn_close.bmp", 58, 21},    {"btn_max.bmp", 58, 21},     {"btn_restore.bmp", 58, 21},
        {"btn_min.bmp", 58, 21},      {"btn_pin.bmp", 58, 21},     {"btn_help.bmp", 58, 21},
        {"btn_icon.bmp", 58, 21},     {"btn_shade.bmp", 58, 21},
    };
    for (const auto& c : cases) {
        const TPixelImage& image = Image(c.name);
        EXPECT_EQ(image.Width, c.width) << c.name;
        EXPECT_EQ(image.Height, c.height) << c.name;
        EXPECT_EQ(image.SourceBitCount, 24) << c.name;
    }
    EXPECT_EQ(Image("headerbar.bmp").Width % 5, 0);
    EXPECT_EQ(Definition().ReadInteger("HorzScrollThumb", "FrameCount", 0), 3);
    EXPECT_EQ(Definition().ReadInteger("VertScrollThumb", "FrameCount", 0), 3);
    EXPECT_EQ(Image("hthumb.bmp").Width % 3, 0);
}

TEST(StoredSkin, EveryNamedImageExistsAndDecodes) {
    std::vector<std::string> sections;
    Definition().ReadSections(&sections);
    std::set<std::string> named;
    const char* keys[] = {"Image", "Bitmap", "ButtonImage", "CheckButton", "RadioButton", "Border", "GlyphImage",
                          "Left", "Right", "Top", "Bottom", "menuBar", "TextBack"};
    for (const auto& section : sections)
        for (const char* key : keys) {
            if (section == "Colours") continue; // colour names, not images
            const std::string value = Definition().ReadString(section, key, "");
            if (!value.empty()) named.insert(value);
        }
    EXPECT_GE(named.size(), 45u);
    for (const auto& name : named) {
        ASSERT_EQ(name.substr(name.size() - 4), ".bmp") << name; // the exact extension the builder accepts
        EXPECT_FALSE(Image(name).Empty()) << name;
    }
}

TEST(StoredSkin, CaptionButtonSections) {
    std::vector<std::string> sections;
    Definition().ReadSections(&sections);
    int kept = 0, dropped = 0, icon = 0;
    for (const auto& s : sections) {
        std::string upper = s;
        for (char& ch : upper) ch = static_cast<char>(toupper(static_cast<unsigned char>(ch)));
        if (upper.rfind("BUTTON", 0) != 0 || upper == "BUTTON" || upper == "BUTTONS" || upper == "BUTTON.RADIO" ||
            upper == "BUTTON.CHECKBOX")
            continue;
        const int action = Definition().ReadInteger(s, "Action", 0);
        if (action == -1 && Definition().ReadInteger(s, "Visibility", -1) != 0) {
            ++dropped;
            continue;
        }
        ++kept;
        icon += action == 3;
    }
    EXPECT_EQ(kept, 7);
    EXPECT_EQ(dropped, 1);
    EXPECT_EQ(icon, 1);
}

TEST(StoredSkin, WindowCornersAreCutWithTheKey) {
    const TPixelImage& top = Image("frame_top.bmp");
    const TPixelImage& left = Image("frame_left.bmp");
    const TPixelImage& right = Image("frame_right.bmp");
    for (int frame = 0; frame < 2; ++frame) {
        EXPECT_EQ(Rgb(left, frame * 4, 0), Magenta);     // the window's top-left pixel
        EXPECT_EQ(Rgb(left, frame * 4 + 3, 0), Magenta); // the arc spans the whole border width
        EXPECT_EQ(Rgb(left, frame * 4, 293), Magenta);   // bottom-left
        EXPECT_EQ(Rgb(right, frame * 4 + 3, 0), Magenta);
        EXPECT_EQ(Rgb(right, frame * 4, 0), Magenta);
        EXPECT_EQ(Rgb(right, frame * 4 + 3, 293), Magenta);
        EXPECT_NE(Rgb(top, 161, frame * 21 + 10), Magenta);
        EXPECT_NE(Rgb(left, frame * 4 + 1, 150), Magenta);
    }
}

TEST(StoredSkin, StretchedCentresAreUniformAlongTheStretch) {
    // Each element whose centre is stretched (Tile 0) horizontally must have identical centre columns in
    // every frame, so that stretching never shows a seam; the borders likewise along their length.
    struct Case {
        const char* name;
        int frames;
        bool framesStacked;
        int left, right; // unscaled margins along the stretched axis
        bool horizontal;
    } cases[] = {
        {"pushbutton.bmp", 5, false, 4, 4, true},   {"frame_top.bmp", 2, true, 8, 8, true},
        {"frame_bottom.bmp", 2, true, 6, 6, true},  {"frame_left.bmp", 2, false, 21, 6, false},
        {"frame_right.bmp", 2, false, 21, 6, false}, {"progress.bmp", 2, false, 4, 4, true},
        {"sunkedge.bmp", 4, false, 3, 3, true},     {"hscroll.bmp", 4, false, 1, 1, true},
        {"vscroll.bmp", 4, false, 1, 1, false},     {"hthumb.bmp", 3, false, 6, 6, true},
        {"vthumb.bmp", 3, false, 6, 6, false},      {"headerbar.bmp", 5, false, 2, 3, true},
        {"menuitem.bmp", 5, false, 4, 4, true},     {"tabs.bmp", 5, false, 4, 4, true},
        {"menubar.bmp", 2, true, 4, 4, true},
    };
    for (const auto& c : cases) {
        const TPixelImage& image = Image(c.name);
        ASSERT_FALSE(image.Empty()) << c.name;
        const int fw = c.framesStacked ? image.Width : image.Width / c.frames;
        const int fh = c.framesStacked ? image.Height / c.frames : image.Height;
        for (int f = 0; f < c.frames; ++f) {
            const int ox = c.framesStacked ? 0 : f * fw, oy = c.framesStacked ? f * fh : 0;
            if (c.horizontal) {
                for (int x = c.left + 1; x < fw - c.right; ++x)
                    for (int y = 0; y < fh; ++y)
                        ASSERT_EQ(Rgb(image, ox + x, oy + y), Rgb(image, ox + c.left, oy + y))
                            << c.name << " frame " << f + 1 << " column " << x << " row " << y;
            } else {
                for (int y = c.left + 1; y < fh - c.right; ++y)
                    for (int x = 0; x < fw; ++x)
                        ASSERT_EQ(Rgb(image, ox + x, oy + y), Rgb(image, ox + x, oy + c.left))
                            << c.name << " frame " << f + 1 << " row " << y << " column " << x;
            }
        }
    }
}

TEST(StoredSkin, PackingOrderListsEveryBitmapOnceButOneAndTheDefinitionLast) {
    std::ifstream in(Folder + "skinpack.order");
    std::vector<std::string> names;
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != ';') names.push_back(line);
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(names.back(), "skin.ini");
    std::map<std::string, int> seen;
    for (const auto& n : names) ++seen[n];
    int twice = 0;
    for (const auto& [name, count] : seen) {
        EXPECT_LE(count, 2) << name;
        twice += count == 2;
        EXPECT_FALSE(Image(name).Empty() && name != "skin.ini") << name;
    }
    EXPECT_EQ(twice, 1);
}
