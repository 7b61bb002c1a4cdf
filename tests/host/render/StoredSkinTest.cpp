// The two skins as their source folders hold them (the stored "Grivelle Sky" and the second skin "Grivelle
// Ember"): the geometry the engine relies on, every image the definition names, shaped corners, and centres
// that stay clean when the painters stretch them.
#include <gtest/gtest.h>

#include <algorithm>
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
const std::string SecondFolder = std::string(GRV_SOURCE_DIR) + "/resources/skin-dark/";
constexpr std::uint32_t Magenta = 0xFF00FF;

std::vector<std::uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const TPixelImage& Image(const std::string& name, const std::string& folder = Folder) {
    static std::map<std::string, TPixelImage> cache;
    auto it = cache.find(folder + name);
    if (it != cache.end()) return it->second;
    TPixelImage& image = cache[folder + name];
    const auto bytes = ReadFile(folder + name);
    DecodeBmpFile(bytes.data(), bytes.size(), image);
    return image;
}

std::uint32_t Rgb(const TPixelImage& image, int x, int y) { return image.At(x, y) & 0xFFFFFF; }

const TQuickIni& Definition(const std::string& folder = Folder) {
    static std::map<std::string, TQuickIni> cache;
    auto it = cache.find(folder);
    if (it != cache.end()) return it->second;
    TQuickIni& parsed = cache[folder];
    const auto bytes = ReadFile(folder + "skin.ini");
    parsed.LoadFromText(std::string(bytes.begin(), bytes.end()));
    return parsed;
}

// Every image the definition names: the exact extension the builder accepts, and a bitmap that decodes.
void ExpectNamedImagesDecode(const std::string& folder, std::size_t atLeast) {
    const TQuickIni& ini = Definition(folder);
    std::vector<std::string> sections;
    ini.ReadSections(&sections);
    std::set<std::string> named;
    const char* keys[] = {"Image", "Bitmap", "ButtonImage", "CheckButton", "RadioButton", "Border", "GlyphImage",
                          "Left", "Right", "Top", "Bottom", "menuBar", "TextBack"};
    for (const auto& section : sections)
        for (const char* key : keys) {
            if (section == "Colours") continue; // colour names, not images
            const std::string value = ini.ReadString(section, key, "");
            if (!value.empty()) named.insert(value);
        }
    EXPECT_GE(named.size(), atLeast) << folder;
    for (const auto& name : named) {
        ASSERT_EQ(name.substr(name.size() - 4), ".bmp") << folder << name;
        EXPECT_FALSE(Image(name, folder).Empty()) << folder << name;
        EXPECT_EQ(Image(name, folder).SourceBitCount, 24) << folder << name;
    }
}

struct Stretched {
    const char* name;
    int frames;
    bool framesStacked;
    int left, right; // unscaled margins along the stretched axis
    bool horizontal;
};

// Each element whose centre is stretched must have identical centre columns (rows) in every frame, so that
// stretching never shows a seam; the borders likewise along their length.
void ExpectUniformCentres(const std::string& folder, const std::vector<Stretched>& cases) {
    for (const auto& c : cases) {
        const TPixelImage& image = Image(c.name, folder);
        ASSERT_FALSE(image.Empty()) << folder << c.name;
        const int fw = c.framesStacked ? image.Width : image.Width / c.frames;
        const int fh = c.framesStacked ? image.Height / c.frames : image.Height;
        for (int f = 0; f < c.frames; ++f) {
            const int ox = c.framesStacked ? 0 : f * fw, oy = c.framesStacked ? f * fh : 0;
            if (c.horizontal) {
                for (int x = c.left + 1; x < fw - c.right; ++x)
                    for (int y = 0; y < fh; ++y)
                        ASSERT_EQ(Rgb(image, ox + x, oy + y), Rgb(image, ox + c.left, oy + y))
                            << folder << c.name << " frame " << f + 1 << " column " << x << " row " << y;
            } else {
                for (int y = c.left + 1; y < fh - c.right; ++y)
                    for (int x = 0; x < fw; ++x)
                        ASSERT_EQ(Rgb(image, ox + x, oy + y), Rgb(image, ox + x, oy + c.left))
                            << folder << c.name << " frame " << f + 1 << " row " << y << " column " << x;
            }
        }
    }
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

TEST(StoredSkin, EveryNamedImageExistsAndDecodes) { ExpectNamedImagesDecode(Folder, 45); }

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
    ExpectUniformCentres(Folder, {
        {"pushbutton.bmp", 5, false, 4, 4, true},   {"frame_top.bmp", 2, true, 8, 8, true},
        {"frame_bottom.bmp", 2, true, 6, 6, true},  {"frame_left.bmp", 2, false, 21, 6, false},
        {"frame_right.bmp", 2, false, 21, 6, false}, {"progress.bmp", 2, false, 4, 4, true},
        {"sunkedge.bmp", 4, false, 3, 3, true},     {"hscroll.bmp", 4, false, 1, 1, true},
        {"vscroll.bmp", 4, false, 1, 1, false},     {"hthumb.bmp", 3, false, 6, 6, true},
        {"vthumb.bmp", 3, false, 6, 6, false},      {"headerbar.bmp", 5, false, 2, 3, true},
        {"menuitem.bmp", 5, false, 4, 4, true},     {"tabs.bmp", 5, false, 4, 4, true},
        {"menubar.bmp", 2, true, 4, 4, true},
    });
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

// The second skin: its own geometry (wider borders, a taller title, four-frame caption buttons placed
// apart), every element the builder reads, corners cut with the key, seamless stretching.
TEST(SecondSkin, GeometryOfItsOwn) {
    struct Case {
        const char* name;
        int width, height;
    } cases[] = {
        {"frame_top.bmp", 332, 56},   {"frame_left.bmp", 12, 300},  {"frame_right.bmp", 12, 300},
        {"frame_bottom.bmp", 332, 12}, {"pushbutton.bmp", 360, 24}, {"scrollbar.bmp", 391, 17},
        {"mdi_buttons.bmp", 192, 16}, {"check.bmp", 192, 16},      {"radio.bmp", 128, 16},
        {"btn_close.bmp", 136, 18},   {"btn_max.bmp", 104, 18},    {"btn_min.bmp", 104, 18},
        {"hthumb.bmp", 90, 17},       {"vthumb.bmp", 51, 30},      {"headerbar.bmp", 200, 22},
    };
    for (const auto& c : cases) {
        const TPixelImage& image = Image(c.name, SecondFolder);
        EXPECT_EQ(image.Width, c.width) << c.name;
        EXPECT_EQ(image.Height, c.height) << c.name;
    }
    const TQuickIni& ini = Definition(SecondFolder);
    EXPECT_EQ(ini.ReadString("TitlebarSkin", "SkinName", ""), "Grivelle Ember");
    // Title 28 high: the side borders keep it unstretched.
    EXPECT_EQ(ini.ReadInteger("Personality", "LeftTopHeight", 0), 28);
    for (const char* button : {"ButtonClose", "ButtonMax", "ButtonRestore", "ButtonMin"}) {
        EXPECT_EQ(ini.ReadInteger(button, "frame", 0), 4) << button;
        EXPECT_EQ(ini.ReadInteger(button, "Ycoord", 0), 5) << button;
    }
}

TEST(SecondSkin, DefinesEverySectionTheBuilderReads) {
    const TQuickIni& ini = Definition(SecondFolder);
    const char* sections[] = {"TitlebarSkin", "Personality", "Fonts", "Colours", "Colour1", "Customcolors",
                              "ButtonClose", "MDICONTROLS", "Buttons", "Progress", "Progress.Chunk",
                              "GroupBoxEdge", "GroupBox", "Tabs", "StatusBarEdges", "Tab.Pane", "ToolBars",
                              "ComboButton", "SunkEdge", "ExtraImages", "Headerbar", "MenuItem", "MenuBackground",
                              "Scrollbar", "HorzScroll", "VertScroll", "HorzScrollThumb", "VertScrollThumb",
                              "Trackbar.ThumbHorz", "Trackbar.ThumbVert", "Trackbar.ThumbLeft",
                              "Trackbar.ThumbRight", "Trackbar.ThumbUp", "Trackbar.ThumbDown", "UpDown.Horz",
                              "UpDown.Vert", "Track", "TRACKVERT"};
    std::vector<std::string> present;
    ini.ReadSections(&present);
    for (const char* section : sections)
        EXPECT_NE(std::find(present.begin(), present.end(), section), present.end()) << section;
    ExpectNamedImagesDecode(SecondFolder, 45);
}

TEST(SecondSkin, WindowCornersAreCutWithTheKey) {
    const TPixelImage& left = Image("frame_left.bmp", SecondFolder);
    const TPixelImage& right = Image("frame_right.bmp", SecondFolder);
    const TPixelImage& top = Image("frame_top.bmp", SecondFolder);
    for (int frame = 0; frame < 2; ++frame) {
        EXPECT_EQ(Rgb(left, frame * 6, 0), Magenta);
        EXPECT_EQ(Rgb(left, frame * 6 + 5, 0), Magenta); // the arc spans the whole border width
        EXPECT_EQ(Rgb(left, frame * 6, 299), Magenta);
        EXPECT_EQ(Rgb(right, frame * 6 + 5, 0), Magenta);
        EXPECT_EQ(Rgb(right, frame * 6 + 5, 299), Magenta);
        EXPECT_NE(Rgb(top, 166, frame * 28 + 14), Magenta);
        EXPECT_NE(Rgb(left, frame * 6 + 2, 150), Magenta);
    }
}

TEST(SecondSkin, StretchedCentresAreUniformAlongTheStretch) {
    ExpectUniformCentres(SecondFolder, {
        {"pushbutton.bmp", 5, false, 6, 6, true},    {"frame_top.bmp", 2, true, 12, 12, true},
        {"frame_bottom.bmp", 2, true, 8, 8, true},   {"frame_left.bmp", 2, false, 28, 8, false},
        {"frame_right.bmp", 2, false, 28, 8, false}, {"progress.bmp", 2, false, 5, 5, true},
        {"sunkedge.bmp", 4, false, 3, 3, true},      {"hscroll.bmp", 4, false, 1, 1, true},
        {"vscroll.bmp", 4, false, 1, 1, false},      {"hthumb.bmp", 3, false, 7, 7, true},
        {"vthumb.bmp", 3, false, 7, 7, false},       {"headerbar.bmp", 5, false, 2, 3, true},
        {"menuitem.bmp", 5, false, 6, 6, true},      {"tabs.bmp", 5, false, 5, 5, true},
        {"menubar.bmp", 2, true, 2, 2, true},
    });
}
