// The record chain of SKINDATA.SK2 and the whole load with its temporary file.
#include "ReaderTestSupport.h"
#include "format/SkinArchiveLoader.h"
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
}

} // namespace
