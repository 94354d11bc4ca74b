// Entry extraction from archives built here (writer of skin-pack and zlib streams): finding the
// entry, the end record rules, decryption and its check byte, and the finishing rules.
#include "ReaderTestSupport.h"
#include "format/PkwareCipher.h"
#include "format/ZipEntryExtractor.h"
#include "format/writer/ZipWriter.h"

#include <gtest/gtest.h>
#include <zlib.h>

using namespace readertest;
namespace fs = std::filesystem;

namespace {

const std::vector<uint8_t> kPayload = TextLike(150000, 21);

TZipEntry ZlibEntry(const std::string& name, const std::vector<uint8_t>& data, int level = 6) {
    TZipEntry e;
    e.Name = name;
    e.Data = ZlibDeflate(data, level, Z_DEFAULT_STRATEGY);
    e.Crc = Crc32(data.data(), data.size());
    e.UncompressedSize = static_cast<uint32_t>(data.size());
    return e;
}

class ZipExtractor : public ::testing::Test {
protected:
    fs::path Archive(const std::vector<TZipEntry>& entries, const std::string& comment = {}) {
        const fs::path p = dir_ / ("a" + std::to_string(count_++) + ".zip");
        WriteFile(p, WriteZipArchive(entries, comment));
        return p;
    }
    ArchiveResult Extract(const fs::path& archive, const std::string& entry = "SKINDATA.SK2",
                          const std::string& password = {}) {
        TStdFileAccess files;
        return ExtractArchiveEntry(files, archive.string(), entry, Output().string(), password);
    }
    fs::path Output() const { return dir_ / "out.bin"; }
    bool OutputExists() const { return fs::exists(Output()); }

    TTempDir dir_;
    int count_ = 0;
};

TEST_F(ZipExtractor, ExtractsTheEntryAmongOthers) {
    TZipEntry before = ZlibEntry("readme.txt", Bytes("hello"));
    before.Extra = {0x55, 0x54, 0x05, 0x00, 0x03, 1, 2, 3, 4};
    before.Comment = "an entry comment";
    const fs::path a =
        Archive({before, ZlibEntry("SKINDATA.SK2", kPayload), ZlibEntry("z", Bytes("zz"))});
    ASSERT_EQ(Extract(a), ArchiveResult::Extracted);
    EXPECT_EQ(ReadFile(Output()), kPayload);
    ASSERT_EQ(Extract(a, "readme.txt"), ArchiveResult::Extracted);
    EXPECT_EQ(ReadFile(Output()), Bytes("hello"));
}

TEST_F(ZipExtractor, NamesMatchIgnoringAsciiCaseButNotFolders) {
    EXPECT_EQ(Extract(Archive({ZlibEntry("skindata.Sk2", kPayload)})), ArchiveResult::Extracted);
    EXPECT_EQ(Extract(Archive({ZlibEntry("skin/SKINDATA.SK2", kPayload)})), ArchiveResult::Failed);
    EXPECT_FALSE(OutputExists());
    EXPECT_EQ(Extract(Archive({ZlibEntry("SKINDATA.SK", kPayload)})), ArchiveResult::Failed);
}

TEST_F(ZipExtractor, ArchivesThatCannotBeReadFail) {
    EXPECT_EQ(Extract(dir_ / "missing.zip"), ArchiveResult::Failed);
    EXPECT_EQ(Extract(Archive({ZlibEntry("SKINDATA.SK2", kPayload)}, "a comment")),
              ArchiveResult::Failed);

    std::vector<uint8_t> good = WriteZipArchive({ZlibEntry("SKINDATA.SK2", kPayload)});
    std::vector<uint8_t> bytes = good;
    bytes[1] = 'X';
    WriteFile(dir_ / "b.zip", bytes);
    EXPECT_EQ(Extract(dir_ / "b.zip"), ArchiveResult::Failed);

    bytes = good;
    bytes.push_back(0); // the end record is no longer the last 22 bytes
    WriteFile(dir_ / "b.zip", bytes);
    EXPECT_EQ(Extract(dir_ / "b.zip"), ArchiveResult::Failed);

    bytes = good;
    bytes[bytes.size() - 6] = 0xFF; // central directory offset far outside the file
    WriteFile(dir_ / "b.zip", bytes);
    EXPECT_EQ(Extract(dir_ / "b.zip"), ArchiveResult::Failed);

    WriteFile(dir_ / "b.zip", Bytes("PK"));
    EXPECT_EQ(Extract(dir_ / "b.zip"), ArchiveResult::Failed);
    fs::create_directory(dir_ / "folder.zip");
    EXPECT_EQ(Extract(dir_ / "folder.zip"), ArchiveResult::Failed);
    EXPECT_FALSE(OutputExists());
}

TEST_F(ZipExtractor, AnyResultButExtractedLeavesNoOutput) {
    WriteFile(Output(), Bytes("stale"));
    EXPECT_EQ(Extract(dir_ / "missing.zip"), ArchiveResult::Failed);
    EXPECT_FALSE(OutputExists());
    WriteFile(Output(), Bytes("stale"));
    ASSERT_EQ(Extract(Archive({ZlibEntry("SKINDATA.SK2", Bytes("new"))})),
              ArchiveResult::Extracted);
    EXPECT_EQ(ReadFile(Output()), Bytes("new"));
}

TEST_F(ZipExtractor, EncryptedEntriesNeedTheRightPassword) {
    TZipEntry e = ZlibEntry("SKINDATA.SK2", kPayload);
    e.Password = "s3cret";
    const fs::path a = Archive({e});
    EXPECT_EQ(Extract(a), ArchiveResult::Refused);
    EXPECT_FALSE(OutputExists());
    EXPECT_EQ(Extract(a, "SKINDATA.SK2", "wrong"), ArchiveResult::Refused);
    EXPECT_FALSE(OutputExists());
    ASSERT_EQ(Extract(a, "SKINDATA.SK2", "s3cret"), ArchiveResult::Extracted);
    EXPECT_EQ(ReadFile(Output()), kPayload);
}

TEST_F(ZipExtractor, CheckByteComesFromTheTimeWhenSizesFollowTheData) {
    TZipEntry e = ZlibEntry("SKINDATA.SK2", kPayload);
    e.Password = "pw";
    e.Time = static_cast<uint16_t>(((e.Crc >> 24) ^ 0x5A) << 8 | 0x21);
    ASSERT_NE(e.Time >> 8, e.Crc >> 24);
    e.Flags = 0x0008; // check byte: high byte of the time
    ASSERT_EQ(Extract(Archive({e}), "SKINDATA.SK2", "pw"), ArchiveResult::Extracted);
    EXPECT_EQ(ReadFile(Output()), kPayload);

    // The same archive with the flag cleared in the central directory only: the reader now
    // expects the CRC's high byte and refuses.
    std::vector<uint8_t> bytes = WriteZipArchive({e});
    const size_t central = bytes.size() - 22 - 46 - e.Name.size();
    ASSERT_EQ(bytes[central], 0x50);
    bytes[central + 8] &= ~0x08;
    WriteFile(dir_ / "c.zip", bytes);
    EXPECT_EQ(Extract(dir_ / "c.zip", "SKINDATA.SK2", "pw"), ArchiveResult::Refused);
}

TEST_F(ZipExtractor, PasswordIsIgnoredForPlainEntriesAndMethodIsNotConsulted) {
    TZipEntry e = ZlibEntry("SKINDATA.SK2", kPayload);
    e.Method = 0; // says stored, holds Deflate data
    ASSERT_EQ(Extract(Archive({e}), "SKINDATA.SK2", "unused"), ArchiveResult::Extracted);
    EXPECT_EQ(ReadFile(Output()), kPayload);
}

TEST_F(ZipExtractor, OutputOfAnotherSizeIsRefused) {
    TZipEntry shorter = ZlibEntry("SKINDATA.SK2", kPayload);
    shorter.UncompressedSize += 1;
    EXPECT_EQ(Extract(Archive({shorter})), ArchiveResult::Refused);
    EXPECT_FALSE(OutputExists());

    // A small recorded size over a stream of a megabyte: decoding stops at the limit.
    TZipEntry bomb = ZlibEntry("SKINDATA.SK2", std::vector<uint8_t>(1 << 20, 'A'), 9);
    bomb.UncompressedSize = 4096;
    EXPECT_EQ(Extract(Archive({bomb})), ArchiveResult::Refused);
    EXPECT_FALSE(OutputExists());
}

// Data of the right length whose CRC-32 is not the central directory's: plain, and encrypted
// with the check byte taken from the time (so the password check passes whatever the CRC).
TEST_F(ZipExtractor, OutputWhoseCrcDiffersFromTheDirectoryIsRefused) {
    TZipEntry plain = ZlibEntry("SKINDATA.SK2", kPayload);
    TZipEntry encrypted = plain;
    encrypted.Password = "pw";
    encrypted.Flags = 0x0008;
    for (TZipEntry e : {plain, encrypted}) {
        ASSERT_EQ(Extract(Archive({e}), "SKINDATA.SK2", "pw"), ArchiveResult::Extracted);
        e.Crc ^= 1;
        EXPECT_EQ(Extract(Archive({e}), "SKINDATA.SK2", "pw"), ArchiveResult::Refused);
        EXPECT_FALSE(OutputExists());
    }
}

// A small archive declaring an enormous entry is refused before anything is written.
TEST_F(ZipExtractor, EntryDeclaredAboveTheCapIsRefusedBeforeTheOutputIsCreated) {
    struct TCountingAccess : TStdFileAccess {
        std::unique_ptr<TWritableFile> Create(const std::string& name) override {
            ++Creates;
            return TStdFileAccess::Create(name);
        }
        int Creates = 0;
    };
    for (const uint32_t declared : {kMaxArchiveEntrySize + 1, 0xFFFFFFFFu}) {
        TZipEntry e = ZlibEntry("SKINDATA.SK2", std::vector<uint8_t>(1 << 16, 'A'), 9);
        e.UncompressedSize = declared;
        TCountingAccess files;
        EXPECT_EQ(ExtractArchiveEntry(files, Archive({e}).string(), "SKINDATA.SK2",
                                      Output().string(), {}),
                  ArchiveResult::Refused);
        EXPECT_EQ(files.Creates, 0);
        EXPECT_FALSE(OutputExists());
    }
}

TEST_F(ZipExtractor, EmptyEntryFails) {
    EXPECT_EQ(Extract(Archive({ZlibEntry("SKINDATA.SK2", {})})), ArchiveResult::Failed);
    EXPECT_FALSE(OutputExists());
}

TEST_F(ZipExtractor, InvalidDeflateDataEndsAsAFailure) {
    for (const std::vector<uint8_t>& data :
         {std::vector<uint8_t>{0x07, 0, 0, 0}, std::vector<uint8_t>{0x03, 0x00},
          std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFF}}) {
        TZipEntry e = ZlibEntry("SKINDATA.SK2", kPayload);
        e.Data = data;
        EXPECT_NE(Extract(Archive({e})), ArchiveResult::Extracted);
        EXPECT_FALSE(OutputExists());
    }
    // Truncated data: the stream runs into the central directory and the end record.
    TZipEntry cut = ZlibEntry("SKINDATA.SK2", kPayload);
    cut.Data.resize(cut.Data.size() / 3);
    EXPECT_EQ(Extract(Archive({cut})), ArchiveResult::Refused);
    EXPECT_FALSE(OutputExists());
}

TEST_F(ZipExtractor, LocalHeaderOutsideTheArchiveIsNotExtracted) {
    std::vector<uint8_t> bytes = WriteZipArchive({ZlibEntry("SKINDATA.SK2", kPayload)});
    const size_t central = bytes.size() - 22 - 46 - 12;
    bytes[central + 45] = 0x7F; // local header offset
    WriteFile(dir_ / "d.zip", bytes);
    EXPECT_NE(Extract(dir_ / "d.zip"), ArchiveResult::Extracted);
    EXPECT_FALSE(OutputExists());
}

TEST(PkwareCipher, EncryptionAndDecryptionAreInverse) {
    std::vector<uint8_t> data = TextLike(5000);
    const std::vector<uint8_t> original = data;
    TPkwareCipher(std::string_view("key")).Encrypt(data.data(), data.size());
    EXPECT_NE(data, original);
    TPkwareCipher(std::string_view("key")).Decrypt(data.data(), data.size());
    EXPECT_EQ(data, original);
    EXPECT_EQ(Crc32(reinterpret_cast<const uint8_t*>("123456789"), 9), 0xCBF43926u);
    EXPECT_EQ(TPkwareCipher::CheckByte(0x0008, 0xAB12, 0xCD000000u), 0xAB);
    EXPECT_EQ(TPkwareCipher::CheckByte(0x0001, 0xAB12, 0xCD000000u), 0xCD);
}

} // namespace
