// The record chain of SKINDATA.SK2 and the whole load with its temporary file.
#include "ReaderTestSupport.h"
#include "format/SkinArchiveLoader.h"
#include "format/SkinBitmapBudget.h"
#include "format/writer/SkinWriter.h"
#include "format/writer/ZipWriter.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace readertest;
using namespace SkinFormat;
namespace fs = std::filesystem;

namespace {

void Set32(std::vector<uint8_t>& v, size_t at, uint32_t x) {
    for (int i = 0; i < 4; ++i)
        v[at + i] = static_cast<uint8_t>(x >> (8 * i));
}

std::vector<TSkinRecord> Parse(const std::vector<uint8_t>& bytes) {
    return ParseSkinRecords(bytes.data(), bytes.size());
}

// Offset of record i in what WriteSkinRecords makes.
size_t RecordAt(size_t i) {
    return kHeaderSize + i * kRecordSize;
}

TEST(SkinRecords, KeepsEveryKindInFileOrderWithDuplicates) {
    const std::vector<TSkinRecord> written = {
        IntegerRecord("SKIN2_FORMCOLOR", 0xE8E8E8), BooleanRecord("SKIN2_TITLEFIVESECT", 7),
        StringRecord("SKIN2_NAME", "Blue steel"), BitmapRecord("SKIN2_TITLEBAR1", Bytes("BMdata")),
        IntegerRecord("skin2_formcolor", -2)};
    const std::vector<TSkinRecord> read = Parse(WriteSkinRecords(written));
    ASSERT_EQ(read.size(), written.size());
    for (size_t i = 0; i < read.size(); ++i) {
        EXPECT_EQ(read[i].Name, written[i].Name);
        EXPECT_EQ(read[i].Type, written[i].Type);
        EXPECT_EQ(read[i].Data, written[i].Data);
    }
    EXPECT_EQ(read[0].IntegerValue(), 0xE8E8E8);
    EXPECT_EQ(read[1].BooleanValue(), 7);
    EXPECT_EQ(read[2].Text(), "Blue steel");
    EXPECT_EQ(read[4].IntegerValue(), -2);
}

TEST(SkinRecords, TheTerminatorEndsTheChainAndIsNotKept) {
    EXPECT_TRUE(Parse(WriteSkinRecords({})).empty());
    const std::vector<TSkinRecord> one = Parse(WriteSkinRecords({IntegerRecord("A", 1)}));
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].Name, "A");
}

TEST(SkinRecords, NamesEndAtTheFirstZeroOrFillAllSixtyFourBytes) {
    std::vector<uint8_t> bytes =
        WriteSkinRecords({IntegerRecord(std::string(64, 'N'), 5), IntegerRecord("AB", 6)});
    bytes[RecordAt(1) + 1] = 0; // "A\0" then garbage up to 64
    std::memset(bytes.data() + RecordAt(1) + 2, 'x', 62);
    const std::vector<TSkinRecord> read = Parse(bytes);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0].Name, std::string(64, 'N'));
    EXPECT_EQ(read[1].Name, "A");
}

TEST(SkinRecords, OtherTypesAreSkippedAndFixedSizesTaken) {
    std::vector<uint8_t> bytes = WriteSkinRecords(
        {IntegerRecord("I", 0x01020304), BooleanRecord("B", 1), IntegerRecord("X", 9)});
    bytes[RecordAt(2) + kTypeOffset] = 9;
    Set32(bytes, RecordAt(2) + kDataOffsetOffset, 0xFFFFFFF0u); // not looked at
    Set32(bytes, RecordAt(0) + kDataSizeOffset, 100);           // integers take 4 bytes anyway
    Set32(bytes, RecordAt(1) + kDataSizeOffset, 0);
    const std::vector<TSkinRecord> read = Parse(bytes);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0].IntegerValue(), 0x01020304);
    EXPECT_EQ(read[1].BooleanValue(), 1);
}

TEST(SkinRecords, ChainsThatLoopOrLeaveTheDataFail) {
    const std::vector<uint8_t> good = WriteSkinRecords(
        {StringRecord("S", "text"), IntegerRecord("I", 1), BitmapRecord("B", Bytes("BM"))});
    auto expectFailure = [](std::vector<uint8_t> bytes, const char* what) {
        EXPECT_THROW(Parse(bytes), ESkinFormatError) << what;
    };
    std::vector<uint8_t> b = good;
    Set32(b, RecordAt(1) + kNextRecordOffset, static_cast<uint32_t>(RecordAt(0)));
    expectFailure(b, "loop back to the first record");
    b = good;
    Set32(b, RecordAt(0) + kNextRecordOffset, static_cast<uint32_t>(RecordAt(0)));
    expectFailure(b, "record pointing at itself");
    b = good;
    Set32(b, RecordAt(1) + kNextRecordOffset, static_cast<uint32_t>(good.size() - 10));
    expectFailure(b, "next record running past the end");
    b = good;
    Set32(b, kFirstRecordOffset, 0xFFFFFFFFu);
    expectFailure(b, "first record outside");
    b = good;
    Set32(b, RecordAt(0) + kDataOffsetOffset, static_cast<uint32_t>(good.size()) + 1);
    expectFailure(b, "data offset outside");
    b = good;
    Set32(b, RecordAt(2) + kDataSizeOffset, 0xFFFFFFFFu);
    expectFailure(b, "bitmap data size beyond the entry");
    b = good;
    Set32(b, RecordAt(1) + kDataOffsetOffset, static_cast<uint32_t>(good.size()) - 3);
    expectFailure(b, "integer straddling the end");
    b = good;
    Set32(b, kHeaderLengthOffset, 12);
    expectFailure(b, "header length below 24");
    expectFailure(std::vector<uint8_t>(good.begin(), good.begin() + 23), "short header");
}

// Records pointed at one data block: sharing a small one is fine, while seven records on a
// large block would copy far more than the entry holds.
TEST(SkinRecords, RecordsSharingDataCopyNoMoreThanTheEntryHolds) {
    std::vector<TSkinRecord> written(8, StringRecord("S", "x"));
    written[0] = StringRecord("S", std::string(4096, 'd'));
    const std::vector<uint8_t> bytes = WriteSkinRecords(written);
    auto share = [&](size_t from, size_t first, size_t last) {
        std::vector<uint8_t> b = bytes;
        for (size_t i = first; i <= last; ++i)
            std::copy_n(b.begin() + RecordAt(from) + kDataOffsetOffset, 8,
                        b.begin() + RecordAt(i) + kDataOffsetOffset); // offset and size
        return b;
    };
    EXPECT_EQ(Parse(share(1, 2, 7)).size(), written.size());
    EXPECT_THROW(Parse(share(0, 1, 7)), ESkinFormatError);
}

// A BMP file image declaring width x height (no pixels behind it: only the header is read).
std::vector<uint8_t> BmpHeader(int32_t width, int32_t height) {
    std::vector<uint8_t> b(54, 0);
    b[0] = 'B';
    b[1] = 'M';
    Set32(b, 14, 40);
    Set32(b, 18, static_cast<uint32_t>(width));
    Set32(b, 22, static_cast<uint32_t>(height));
    return b;
}

TEST(SkinBitmapBudget, CountsRecordsAndDeclaredPixels) {
    struct Case {
        size_t Count;
        int32_t Width, Height;
        bool Accepted;
    } cases[] = {
        {kMaxSkinBitmaps, 16, 16, true},
        {kMaxSkinBitmaps + 1, 1, 1, false},
        {2, 2048, -2048, true}, // top-down: the height's size counts
        {5, 2048, 2048, false},
    };
    for (const Case& c : cases) {
        std::vector<TSkinRecord> records(c.Count, BitmapRecord("B", BmpHeader(c.Width, c.Height)));
        records.push_back(IntegerRecord("I", 1)); // other records do not count
        if (c.Accepted)
            EXPECT_NO_THROW(CheckSkinBitmapBudget(records)) << c.Count << " x " << c.Width;
        else
            EXPECT_THROW(CheckSkinBitmapBudget(records), ESkinFormatError) << c.Count;
    }
    EXPECT_EQ(DeclaredBitmapPixels(Bytes("not a bitmap")), 0u);
}

class SkinArchiveLoad : public ::testing::Test {
protected:
    fs::path Temp() const { return dir_ / "{TEMP-GUID}"; }
    TSkinArchiveContents Load(const fs::path& archive, const std::string& password) {
        TFixedTemporaryName files(Temp());
        return LoadSkinArchive(files, archive.string(), password);
    }
    fs::path Archive(const std::vector<uint8_t>& skinData, const std::string& password = {}) {
        TZipEntry e = MakeDeflatedEntry("SKINDATA.SK2", skinData);
        e.Password = password;
        const fs::path p = dir_ / "skin.zip";
        WriteFile(p, WriteZipArchive({e}));
        return p;
    }
    TTempDir dir_;
};

TEST_F(SkinArchiveLoad, LoadsRecordsAndRemovesTheTemporaryFile) {
    const fs::path a = Archive(WriteSkinRecords({IntegerRecord("SKIN2_FORMCOLOR", 42)}), "pw");
    const TSkinArchiveContents c = Load(a, "pw");
    EXPECT_EQ(c.Result, ArchiveResult::Extracted);
    ASSERT_EQ(c.Records.size(), 1u);
    EXPECT_EQ(c.Records[0].IntegerValue(), 42);
    EXPECT_FALSE(fs::exists(Temp()));
}

TEST_F(SkinArchiveLoad, RefusedAndFailedLoadsLeaveNoTemporaryFile) {
    const fs::path a = Archive(WriteSkinRecords({IntegerRecord("A", 1)}), "pw");
    EXPECT_EQ(Load(a, "").Result, ArchiveResult::Refused);
    EXPECT_FALSE(fs::exists(Temp()));
    EXPECT_EQ(Load(dir_ / "none.zip", "").Result, ArchiveResult::Failed);
    EXPECT_FALSE(fs::exists(Temp()));
}

TEST_F(SkinArchiveLoad, ParseFailureRaisesAndStillRemovesTheTemporaryFile) {
    std::vector<uint8_t> looping = WriteSkinRecords({IntegerRecord("A", 1), IntegerRecord("B", 2)});
    Set32(looping, RecordAt(1) + kNextRecordOffset, static_cast<uint32_t>(RecordAt(0)));
    const fs::path a = Archive(looping);
    EXPECT_THROW(Load(a, ""), ESkinFormatError);
    EXPECT_FALSE(fs::exists(Temp()));

    // Thousands of bitmap records sharing one small picture fail the load as a whole.
    std::vector<TSkinRecord> many(kMaxSkinBitmaps + 1, BitmapRecord("B", Bytes("BM")));
    std::vector<uint8_t> shared = WriteSkinRecords(many);
    for (size_t i = 1; i < many.size(); ++i)
        std::copy_n(shared.begin() + RecordAt(0) + kDataOffsetOffset, 8,
                    shared.begin() + RecordAt(i) + kDataOffsetOffset);
    EXPECT_THROW(Load(Archive(shared), ""), ESkinFormatError);
    EXPECT_FALSE(fs::exists(Temp()));
}

} // namespace
