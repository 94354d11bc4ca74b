// Archives made by independent programs (Info-ZIP zip, 7-Zip, Python's zipfile, bsdtar),
// generated here from the real tools and read back through the whole portable load.
#include "ReaderTestSupport.h"
#include "format/SkinArchiveLoader.h"
#include "format/writer/SkinWriter.h"
#include "framework/BmpDecoder.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace readertest;
namespace fs = std::filesystem;

namespace {

std::vector<TSkinRecord> SampleRecords() {
    std::vector<uint32_t> pixels(64 * 48);
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = static_cast<uint32_t>((i % 64) * 4 | (i / 64) * 5 << 8 | 0x80 << 16);
    const std::vector<uint8_t> text = TextLike(120000, 31);
    return {BitmapRecord("SKIN2_TITLEBAR1", EncodeBmp24(64, 48, pixels)),
            IntegerRecord("SKIN2_FORMCOLOR", 0xE8E8E8), BooleanRecord("SKIN2_TITLEFIVESECT", 1),
            StringRecord("SKIN2_NOTES", std::string(text.begin(), text.end())),
            IntegerRecord("SKIN2_TITLEBARICONPOSX", -4)};
}

// Flags of the named entry's central directory header.
uint16_t CentralFlags(const fs::path& archive, const std::string& name) {
    const std::vector<uint8_t> b = ReadFile(archive);
    for (size_t i = 0; i + 46 <= b.size(); ++i)
        if (std::memcmp(&b[i], "PK\1\2", 4) == 0 && b[i + 28] == name.size() && b[i + 29] == 0 &&
            i + 46 + name.size() <= b.size() &&
            std::memcmp(&b[i + 46], name.data(), name.size()) == 0)
            return static_cast<uint16_t>(b[i + 8] | b[i + 9] << 8);
    ADD_FAILURE() << "no central header for " << name;
    return 0;
}

class Interop : public ::testing::Test {
protected:
    void SetUp() override {
        WriteFile(dir_ / "SKINDATA.SK2", WriteSkinRecords(expected_));
        WriteFile(dir_ / "readme.txt", Bytes("a skin\n"));
        WriteFile(dir_ / "preview.bin", Incompressible(5000));
    }
    void Require(const std::string& program) {
        if (!HaveProgram(program))
            GTEST_SKIP() << program << " is not installed (scripts/install-deps.sh installs it)";
    }
    // Runs a command inside the fixture folder; the command must succeed.
    void Shell(const std::string& command) {
        ASSERT_EQ(RunShell("cd " + Quote(dir_.Path()) + " && " + command), 0) << command;
    }
    TSkinArchiveContents Load(const std::string& archive, const std::string& password = {}) {
        TFixedTemporaryName files(dir_ / "{TEMP}");
        return LoadSkinArchive(files, (dir_ / archive).string(), password);
    }
    void ExpectSkin(const std::string& archive, const std::string& password = {}) {
        const TSkinArchiveContents c = Load(archive, password);
        ASSERT_EQ(c.Result, ArchiveResult::Extracted) << archive;
        ASSERT_EQ(c.Records.size(), expected_.size()) << archive;
        for (size_t i = 0; i < expected_.size(); ++i) {
            EXPECT_EQ(c.Records[i].Name, expected_[i].Name);
            EXPECT_TRUE(c.Records[i].Data == expected_[i].Data) << archive << " record " << i;
        }
        EXPECT_FALSE(fs::exists(dir_ / "{TEMP}"));
    }

    TTempDir dir_;
    const std::vector<TSkinRecord> expected_ = SampleRecords();
};

TEST_F(Interop, InfoZipEveryLevel) {
    Require("zip");
    for (int level = 1; level <= 9; ++level) {
        const std::string name = "z" + std::to_string(level) + ".zip";
        Shell("zip -q -" + std::to_string(level) + " " + name +
              " readme.txt SKINDATA.SK2 preview.bin");
        ExpectSkin(name);
    }
}

TEST_F(Interop, InfoZipEncryptedAndStreamed) {
    Require("zip");
    // Info-ZIP encrypts with sizes in data descriptors (flag bit 3): the check byte is the
    // time's high byte.
    Shell("zip -q -P sesame enc.zip readme.txt SKINDATA.SK2");
    EXPECT_NE(CentralFlags(dir_ / "enc.zip", "SKINDATA.SK2") & 0x0008, 0);
    ExpectSkin("enc.zip", "sesame");
    EXPECT_EQ(Load("enc.zip").Result, ArchiveResult::Refused);
    EXPECT_EQ(Load("enc.zip", "sesame!").Result, ArchiveResult::Refused);

    // Written to a pipe, zip cannot seek back either.
    Shell("zip -q -P sesame - SKINDATA.SK2 readme.txt | cat > piped.zip");
    EXPECT_NE(CentralFlags(dir_ / "piped.zip", "SKINDATA.SK2") & 0x0008, 0);
    ExpectSkin("piped.zip", "sesame");
    EXPECT_EQ(Load("piped.zip", "other").Result, ArchiveResult::Refused);

    // The data itself read from standard input (entry "-", renamed afterwards), plain and
    // encrypted.
    const std::string rename = " && printf '@ -\\n@=SKINDATA.SK2\\n' | zipnote -w ";
    Shell("zip -q stdin.zip - < SKINDATA.SK2" + rename + "stdin.zip");
    ExpectSkin("stdin.zip");
    Shell("zip -q -P sesame stdinc.zip - < SKINDATA.SK2" + rename + "stdinc.zip");
    EXPECT_NE(CentralFlags(dir_ / "stdinc.zip", "SKINDATA.SK2") & 0x0008, 0);
    ExpectSkin("stdinc.zip", "sesame");
}

TEST_F(Interop, InfoZipNamesCommentsAndFolders) {
    Require("zip");
    // Entry comments on the entries before SKINDATA.SK2 (zip adds extra fields by default).
    Shell("printf 'first\\nsecond\\nthird\\n' | zip -q -c commented.zip readme.txt preview.bin "
          "SKINDATA.SK2");
    ExpectSkin("commented.zip");

    Shell("mkdir -p lower skins && cp SKINDATA.SK2 lower/skindata.sk2 && cp SKINDATA.SK2 skins/");
    Shell("cd lower && zip -q ../lower.zip skindata.sk2");
    ExpectSkin("lower.zip");
    Shell("zip -q folder.zip readme.txt skins/SKINDATA.SK2");
    EXPECT_EQ(Load("folder.zip").Result, ArchiveResult::Failed);

    Shell("zip -q withcomment.zip SKINDATA.SK2 && echo 'archive comment' | zip -q -z "
          "withcomment.zip");
    EXPECT_EQ(Load("withcomment.zip").Result, ArchiveResult::Failed);
}

TEST_F(Interop, SevenZipDeflateAndZipCrypto) {
    Require("7z");
    for (const char* level : {"-mx=1", "-mx=5", "-mx=9"}) {
        Shell(std::string("7z a -bd -bso0 -tzip -mm=Deflate ") + level + " 7z" + level +
              ".zip readme.txt SKINDATA.SK2");
        ExpectSkin(std::string("7z") + level + ".zip");
    }
    Shell(
        "7z a -bd -bso0 -tzip -mm=Deflate -mem=ZipCrypto -pmagic 7zc.zip readme.txt SKINDATA.SK2");
    // 7-Zip writes the sizes up front: the check byte is the CRC's high byte.
    EXPECT_EQ(CentralFlags(dir_ / "7zc.zip", "SKINDATA.SK2") & 0x0009, 0x0001);
    ExpectSkin("7zc.zip", "magic");
    EXPECT_EQ(Load("7zc.zip", "wrong").Result, ArchiveResult::Refused);
}

TEST_F(Interop, PythonZipfile) {
    Require("python3");
    Shell("python3 -c \"import zipfile\n"
          "for level in (1, 6, 9):\n"
          "    with zipfile.ZipFile('py%d.zip' % level, 'w', zipfile.ZIP_DEFLATED, "
          "compresslevel=level) as z:\n"
          "        z.write('readme.txt')\n"
          "        z.getinfo('readme.txt').comment = b'entry comment'\n"
          "        i = zipfile.ZipInfo('SKINDATA.SK2', (2024, 5, 17, 13, 45, 10))\n"
          "        i.extra = b'\\\\x99\\\\x99\\\\x04\\\\x00abcd'\n"
          "        i.compress_type = zipfile.ZIP_DEFLATED\n"
          "        z.writestr(i, open('SKINDATA.SK2', 'rb').read())\n\"");
    for (int level : {1, 6, 9})
        ExpectSkin("py" + std::to_string(level) + ".zip");
}

TEST_F(Interop, Bsdtar) {
    Require("bsdtar");
    Shell("bsdtar --format zip -cf bt.zip readme.txt SKINDATA.SK2 preview.bin");
    ExpectSkin("bt.zip");
    Shell("bsdtar --format zip --options zip:encryption=traditional --passphrase pass -cf btc.zip "
          "SKINDATA.SK2");
    ExpectSkin("btc.zip", "pass");
    EXPECT_EQ(Load("btc.zip").Result, ArchiveResult::Refused);
}

} // namespace
