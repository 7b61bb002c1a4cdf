// TQuickIni: the definition parser's rules, as one table of look-ups over one text.
#include "skin/data/WinSkinIni.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

const char Definition[] =
    "; a comment line\r\n"
    "  [Buttons]  \r\n"
    "TopHeight=3\r\n"
    "\tLeftWidth = 7 \r\n"
    "Image=btn.bmp\r\n"
    "Hex=0x1F\r\n"
    "HexUpper=0XfF00000F\r\n"
    "Dollar=$10\r\n"
    "Short=0x\r\n"
    "Bare=1F\r\n"
    "Colour=248, 248, 248\r\n"
    "Big=2147483648\r\n"
    "Low=-2147483648\r\n"
    "Signed=+12\r\n"
    "Twice=first\r\n"
    "Twice=second\r\n"
    "EmptyFirst=\r\n"
    "EmptyFirst=later\r\n"
    "Quoted=\"a = b\"\r\n"
    "#Hash=entry\r\n"
    "no equals sign here\r\n"
    "[Edit.Border]\n"
    "[Buttons]\r"
    "TopHeight=99\r\n"
    "[ Spaced ]\n"
    "Key=inside\n"
    "[Trailer]\r\n"
    "Key=before zero\0"
    "Hidden=after zero\r\n";

struct Lookup {
    const char* section;
    const char* key;
    const char* expected; // ReadString with default "def"
};

} // namespace

TEST(QuickIni, LookupTable) {
    TQuickIni ini;
    ini.LoadFromText(std::string_view(Definition, sizeof(Definition) - 1));
    const Lookup table[] = {
        {"Buttons", "TopHeight", "3"},
        {"buttons", "TOPHEIGHT", "3"},          // section and key in any letter case
        {"Buttons", "leftwidth", "7"},          // key and value trimmed
        {"Buttons", "Image", "btn.bmp"},
        {"Buttons", "Twice", "first"},          // the first line of a key wins
        {"Buttons", "EmptyFirst", "def"},       // ... even when its value is empty
        {"Buttons", "Quoted", "\"a = b\""},     // nothing unquoted, later "=" kept
        {"Buttons", "#hash", "entry"},          // "#" starts an ordinary entry
        {"Buttons", "; a comment line", "def"}, // ";" lines are dropped
        {"Buttons", "Missing", "def"},
        {"Edit.Border", "TopHeight", "def"},    // an empty section ends at the next header
        {"Spaced", "Key", "def"},               // inner spaces of a header count
        {" Spaced ", "Key", "inside"},
        {"Missing", "Key", "def"},
        {"Trailer", "Key", "before zero"},      // a zero byte ends the text
        {"Trailer", "Hidden", "def"},
    };
    for (const Lookup& l : table)
        EXPECT_EQ(ini.ReadString(l.section, l.key, "def"), l.expected) << "[" << l.section << "] " << l.key;
}

TEST(QuickIni, IntegerTable) {
    TQuickIni ini;
    ini.LoadFromText(Definition);
    const struct {
        const char* key;
        int expected; // default -1
    } table[] = {
        {"TopHeight", 3},           {"Hex", 31},     {"HexUpper", static_cast<int>(0xFF00000Fu)},
        {"Dollar", 16},             {"Short", -1},   {"Bare", -1},
        {"Colour", -1},             {"Big", -1},     {"Low", -2147483647 - 1},
        {"Signed", 12},             {"Image", -1},   {"Missing", -1},
        {"EmptyFirst", -1},
    };
    for (const auto& row : table) EXPECT_EQ(ini.ReadInteger("Buttons", row.key, -1), row.expected) << row.key;
}

TEST(QuickIni, SectionsLinesAndTheirErrors) {
    TQuickIni ini;
    ini.LoadFromText(Definition);
    std::vector<std::string> names{"stale"};
    ini.ReadSections(&names);
    EXPECT_EQ(names, (std::vector<std::string>{"Buttons", "Edit.Border", "Buttons", "Spaced", "Trailer"}));
    EXPECT_EQ(ini.Sections()[3].Header, "[ Spaced ]");
    EXPECT_EQ(ini.Lines()[ini.Sections()[0].Line], "[Buttons]");
    EXPECT_EQ(ini.Lines()[2], "LeftWidth = 7"); // kept lines are trimmed, blank and comment lines dropped

    try {
        ini.ReadSections(nullptr);
        FAIL() << "no exception";
    } catch (const std::invalid_argument& e) {
        EXPECT_STREQ(e.what(), "The parameter Strings is unassigned!");
    }

    // Reloading replaces everything; no stream changes nothing; reading starts at the given position.
    const std::string text = "xx[A]\nk=v\n";
    const std::vector<std::uint8_t> stream(text.begin(), text.end());
    ini.LoadFromStream(&stream, 2);
    EXPECT_EQ(ini.ReadString("a", "K", ""), "v");
    ini.LoadFromStream(nullptr);
    EXPECT_EQ(ini.Lines().size(), 2u);
    ini.LoadFromText("");
    EXPECT_TRUE(ini.Lines().empty());
    EXPECT_EQ(ini.ReadInteger("A", "k", 5), 5);
}
