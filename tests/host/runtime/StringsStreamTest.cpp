#include "runtime/Classes.h"

#include <gtest/gtest.h>

TEST(StringList, IndexedGetSetAddCountAndErrors) {
    TStringList list;
    int changes = 0;
    list.OnChange = [&](TObject*) { ++changes; };
    EXPECT_EQ(list.Add("b"), 0);
    EXPECT_EQ(list.Add("c"), 1);
    list.Insert(0, "a");
    list.Put(2, "C");
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list[0], "a");
    EXPECT_EQ(list.Strings(2), "C");
    EXPECT_EQ(list.IndexOf("c"), 2);
    EXPECT_EQ(list.IndexOf("z"), -1);
    EXPECT_EQ(list.Text(), "a\r\nb\r\nC\r\n");
    EXPECT_EQ(changes, 4);
    EXPECT_THROW(list.Strings(3), EListError);
    EXPECT_THROW(list.Put(-1, "x"), EListError);
    EXPECT_THROW(list.Insert(5, "x"), EListError);
    EXPECT_THROW(list.Delete(3), EListError);
    list.Delete(1);
    EXPECT_EQ(list.Count(), 2);
}

TEST(StringList, TextNamesValuesAndAssign) {
    TStringList list;
    list.SetText("TEdit=edit\r\nTButton=button\nlast\rtail");
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list[3], "tail");
    EXPECT_EQ(list.Names(1), "TButton");
    EXPECT_EQ(list.Values("tedit"), "edit");
    EXPECT_EQ(list.Values("none"), "");
    EXPECT_EQ(list.IndexOfName("TBUTTON"), 1);
    TStringList copy;
    copy.Assign(list);
    EXPECT_EQ(copy.Items(), list.Items());
    TMemoryStream notAList;
    (void)notAList;
}

TEST(MemoryStream, ReadWriteSeekAndBounds) {
    TMemoryStream s;
    s.WriteUInt32LE(0x01020304);
    s.WriteBuffer("abc", 3);
    EXPECT_EQ(s.Size(), 7);
    s.SetPosition(0);
    EXPECT_EQ(s.ReadUInt32LE(), 0x01020304u);
    char buf[8] = {};
    EXPECT_EQ(s.Read(buf, 8), 3);
    EXPECT_STREQ(buf, "abc");
    EXPECT_EQ(s.Read(buf, 1), 0);
    EXPECT_THROW(s.ReadBuffer(buf, 1), EReadError);
    EXPECT_THROW(s.Seek(-1, soBeginning), EStreamError);
    s.Seek(-3, soEnd);
    EXPECT_EQ(s.Position(), 4);
    s.SetSize(2);
    EXPECT_EQ(s.Position(), 2);
    TMemoryStream copy;
    copy.LoadFromStream(s);
    EXPECT_EQ(copy.Bytes(), (std::vector<uint8_t>{4, 3}));
    EXPECT_THROW(copy.CopyFrom(s, -1), EReadError); // not a huge buffer
    s.SetPosition(10); // past the end: a later write fills the gap with zeros
    s.WriteBuffer("z", 1);
    EXPECT_EQ(s.Size(), 11);
    EXPECT_EQ(s.Memory()[5], 0);
}

TEST(FileStream, WritesReadsAndReportsMissingFiles) {
    std::string path = testing::TempDir() + "grv_filestream.bin";
    {
        TFileStream out(path, fmCreate);
        out.WriteUInt32LE(7);
        out.WriteBuffer("xyz", 3);
        EXPECT_EQ(out.Size(), 7);
    }
    EXPECT_TRUE(FileExists(path));
    TFileStream in(path, fmOpenRead);
    TMemoryStream copy;
    copy.LoadFromStream(in);
    EXPECT_EQ(copy.Size(), 7);
    in.SetPosition(0);
    EXPECT_EQ(in.ReadUInt32LE(), 7u);
    char buf[4] = {};
    EXPECT_THROW(in.ReadBuffer(buf, 4), EReadError);
    std::remove(path.c_str());
    EXPECT_FALSE(FileExists(path));
    EXPECT_THROW(TFileStream(path, fmOpenRead), EStreamError);
}
