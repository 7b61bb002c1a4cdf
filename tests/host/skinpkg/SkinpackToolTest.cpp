// The skinpack command line: packing a folder, reading the package back, and its errors.
#include "TestSupport.h"
#include "skin/data/SkinRead.h"
#include "tools/skinpack/LzhEncoder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/wait.h>

using namespace skinpkg_test;
namespace fs = std::filesystem;

namespace {

struct ToolRun {
    int exitCode;
    std::string output; // standard output and standard error
};

ToolRun Skinpack(const std::string& args) {
    const std::string command = std::string(SKINPACK_PATH) + " " + args + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    char buffer[4096];
    while (std::size_t n = fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

std::string Q(const fs::path& p) { return "'" + p.string() + "'"; }

fs::path SampleSkinFolder(const std::string& name) {
    const fs::path dir = FreshFolder(name);
    WriteAll(dir / "Title.bmp", Bitmap(40, 20, 0x336699, 3));
    WriteAll(dir / "a-button.bmp", Bitmap(58, 21, 0xC0C0C0, 1));
    WriteAll(dir / "border.BMP", Bitmap(8, 30, 0x000080));
    WriteAll(dir / "skin.ini", Text("[Personality]\r\nLeft=border.bmp\r\n[Buttons]\r\nBitmap=a-button.bmp\r\n"));
    return dir;
}

} // namespace

TEST(SkinpackTool, PackListUnpackRoundTrip) {
    const fs::path dir = SampleSkinFolder("roundtrip");
    const fs::path out = dir.parent_path() / (dir.filename().string() + ".pkg");
    const ToolRun pack = Skinpack("pack " + Q(dir) + " " + Q(out));
    ASSERT_EQ(pack.exitCode, 0) << pack.output;

    // Bitmaps in byte order of their names, the definition last.
    TSkinReader reader;
    ASSERT_TRUE(reader.LoadPackage(ReadAll(out)));
    EXPECT_EQ(reader.Header().Format, 40000);
    EXPECT_EQ(reader.EntryNames(), (std::vector<std::string>{"title.bmp", "a-button.bmp", "border.bmp", "skin.ini"}));
    Bytes entry;
    EXPECT_TRUE(reader.ExtractEntry("BORDER.bmp", entry));
    EXPECT_EQ(entry, ReadAll(dir / "border.BMP"));

    const ToolRun list = Skinpack("list " + Q(out));
    ASSERT_EQ(list.exitCode, 0) << list.output;
    EXPECT_NE(list.output.find("format 40000, 4 entries"), std::string::npos) << list.output;
    EXPECT_NE(list.output.find("border.BMP"), std::string::npos) << list.output;

    // Unpacking and packing again gives the same bytes: the packer is deterministic.
    const fs::path back = dir.parent_path() / (dir.filename().string() + "-back");
    fs::remove_all(back);
    ASSERT_EQ(Skinpack("unpack " + Q(out) + " " + Q(back)).exitCode, 0);
    for (const char* name : {"Title.bmp", "a-button.bmp", "border.BMP", "skin.ini"})
        EXPECT_EQ(ReadAll(back / name), ReadAll(dir / name)) << name;
    EXPECT_FALSE(fs::exists(back / "skinpack.order"));
    const fs::path again = out.string() + ".again";
    ASSERT_EQ(Skinpack("pack " + Q(back) + " " + Q(again)).exitCode, 0);
    EXPECT_EQ(ReadAll(again), ReadAll(out));
    fs::remove_all(back), fs::remove(again), fs::remove(out), fs::remove_all(dir);
}

TEST(SkinpackTool, AnOrderFileSetsTheOrderAndMayRepeatAName) {
    const fs::path dir = SampleSkinFolder("order");
    WriteAll(dir / "skinpack.order", Text("; custom\nborder.BMP\r\nTitle.bmp\n\nborder.BMP\nskin.ini\n"));
    const fs::path out = dir / "skin.pkg";
    const ToolRun pack = Skinpack("pack " + Q(dir) + " " + Q(out));
    ASSERT_EQ(pack.exitCode, 0) << pack.output;
    EXPECT_NE(pack.output.find("a-button.bmp is not listed"), std::string::npos) << pack.output;
    TSkinReader reader;
    ASSERT_TRUE(reader.LoadPackage(ReadAll(out)));
    EXPECT_EQ(reader.EntryNames(), (std::vector<std::string>{"border.bmp", "title.bmp", "border.bmp", "skin.ini"}));

    // Unpacking writes the order file back, so the package can be rebuilt as it was.
    const fs::path back = dir / "back";
    ASSERT_EQ(Skinpack("unpack " + Q(out) + " " + Q(back)).exitCode, 0);
    ASSERT_TRUE(fs::exists(back / "skinpack.order"));
    ASSERT_EQ(Skinpack("pack " + Q(back) + " " + Q(dir / "again.pkg")).exitCode, 0);
    EXPECT_EQ(ReadAll(dir / "again.pkg"), ReadAll(out));
    fs::remove_all(dir);
}

TEST(SkinpackTool, CompressAndDecompressFiles) {
    const fs::path dir = FreshFolder("compress");
    // Any bytes will do; these cross the tool's 64 KiB blocks on both sides several times.
    Bytes plain = ReadAll(VectorsDir() / "short-text.bin.lzh");
    const Bytes noise = RandomBytes(150000, 7);
    plain.insert(plain.end(), noise.begin(), noise.end());
    plain.insert(plain.end(), 100000, 'x');
    WriteAll(dir / "plain", plain);
    ASSERT_EQ(Skinpack("compress " + Q(dir / "plain") + " " + Q(dir / "packed")).exitCode, 0);
    ASSERT_EQ(Skinpack("decompress " + Q(dir / "packed") + " " + Q(dir / "back")).exitCode, 0);
    EXPECT_EQ(ReadAll(dir / "back"), plain);
    EXPECT_EQ(ReadAll(dir / "packed"), LzhCompress(plain));
    // The published encoder's stream decompresses to its plain bytes.
    ASSERT_EQ(Skinpack("decompress " + Q(VectorsDir() / "text-35k.bin.lzh") + " " + Q(dir / "text")).exitCode, 0);
    EXPECT_EQ(Fnv1a64(ReadAll(dir / "text")), 0x3a7b2fcbc1b66470u);
    fs::remove_all(dir);
}

TEST(SkinpackTool, ClearErrorsAndExitCodes) {
    const fs::path dir = FreshFolder("errors");
    WriteAll(dir / "garbage.pkg", Text("this is not a package at all"));
    WriteAll(dir / "huge.lzh", Bytes{0xFF, 0xFF, 0xFF, 0x7F, 0});
    fs::create_directories(dir / "noini");
    WriteAll(dir / "noini" / "a.bmp", Bitmap(2, 2, 0));
    fs::create_directories(dir / "twoini");
    WriteAll(dir / "twoini" / "a.ini", Text("[A]"));
    WriteAll(dir / "twoini" / "b.ini", Text("[B]"));
    fs::create_directories(dir / "badorder");
    WriteAll(dir / "badorder" / "skinpack.order", Text("gone.bmp\nskin.ini\n"));
    WriteAll(dir / "badorder" / "skin.ini", Text("[A]"));

    const struct {
        std::string args;
        int exitCode;
        const char* message;
    } cases[] = {
        {"", 2, "usage:"},
        {"frobnicate", 2, "unknown command: frobnicate"},
        {"pack " + Q(dir), 2, "wrong number of arguments for pack"},
        {"list a b", 2, "wrong number of arguments for list"},
        {"pack " + Q(dir / "missing") + " " + Q(dir / "x.pkg"), 1, "no such folder"},
        {"pack " + Q(dir / "noini") + " " + Q(dir / "x.pkg"), 1, "no definition text (*.ini)"},
        {"pack " + Q(dir / "twoini") + " " + Q(dir / "x.pkg"), 1, "more than one definition text"},
        {"pack " + Q(dir / "badorder") + " " + Q(dir / "x.pkg"), 1, "no such file"},
        {"list " + Q(dir / "missing.pkg"), 1, "no such file"},
        {"list " + Q(dir), 1, "is a folder"},
        {"list " + Q(dir / "garbage.pkg"), 1, "not a skin package"},
        {"unpack " + Q(dir / "garbage.pkg") + " " + Q(dir / "out"), 1, "not a skin package"},
        {"decompress " + Q(dir / "huge.lzh") + " " + Q(dir / "out.bin"), 1, "more than its 1 bytes of stream can hold"},
        {"compress " + Q(dir / "missing") + " " + Q(dir / "out.lzh"), 1, "no such file"},
        {"compress " + Q(dir / "garbage.pkg") + " " + Q(dir / "nofolder" / "out.lzh"), 1, "cannot create"},
    };
    for (const auto& c : cases) {
        const ToolRun run = Skinpack(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args << "\n" << run.output;
        EXPECT_NE(run.output.find(c.message), std::string::npos) << c.args << "\n" << run.output;
    }
    EXPECT_FALSE(fs::exists(dir / "x.pkg"));
    fs::remove_all(dir);
}
