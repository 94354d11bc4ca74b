// The file access seam: the standard implementation, and the load's handling of a file access
// that fails part-way (the temporary file is removed and the load never reports success).
#include "ReaderTestSupport.h"
#include "format/SkinArchiveLoader.h"
#include "format/writer/SkinWriter.h"
#include "format/writer/ZipWriter.h"

#include <gtest/gtest.h>

#include <cctype>
#include <stdexcept>

using namespace readertest;
namespace fs = std::filesystem;

namespace {

TEST(StdFileAccess, TemporaryNamesAreNewGuidsInTheTemporaryFolder) {
    TStdFileAccess files;
    const fs::path a = files.NewTemporaryName(), b = files.NewTemporaryName();
    EXPECT_NE(a, b);
    EXPECT_EQ(a.parent_path(), fs::temp_directory_path());
    // {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX} in upper-case hexadecimal
    const std::string form = "{........-....-....-....-............}";
    const std::string name = a.filename().string();
    ASSERT_EQ(name.size(), form.size()) << name;
    for (size_t i = 0; i < form.size(); ++i)
        EXPECT_TRUE(form[i] == '.' ? std::isxdigit(static_cast<unsigned char>(name[i])) &&
                                         !std::islower(static_cast<unsigned char>(name[i]))
                                   : name[i] == form[i])
            << name;
}

TEST(StdFileAccess, WritesReadsAtOffsetsAndRemoves) {
    TTempDir dir;
    TStdFileAccess files;
    const std::string name = (dir / "f.bin").string();
    const std::unique_ptr<TWritableFile> out = files.Create(name);
    ASSERT_TRUE(out);
    const std::vector<uint8_t> bytes = TextLike(300);
    out->Write(bytes.data(), bytes.size());
    out->Close();
    const std::unique_ptr<TReadableFile> in = files.OpenForReading(name);
    ASSERT_TRUE(in);
    EXPECT_EQ(in->Size(), bytes.size());
    std::vector<uint8_t> tail(100);
    EXPECT_EQ(in->ReadAt(250, tail.data(), tail.size()), 50u); // short only at the end
    EXPECT_TRUE(std::equal(tail.begin(), tail.begin() + 50, bytes.begin() + 250));
    EXPECT_EQ(in->ReadAt(300, tail.data(), tail.size()), 0u);
    files.Remove(name);
    files.Remove(name); // a second time is no error
    EXPECT_FALSE(fs::exists(name));
    EXPECT_FALSE(files.OpenForReading(name));
    EXPECT_FALSE(files.OpenForReading(dir.Path().string())); // a folder is no file
    EXPECT_FALSE(files.Create((dir / "no-such-folder" / "f").string()));
}

// Passes each write on, then fails as a full disk would.
class TFailingWrite : public TWritableFile {
public:
    explicit TFailingWrite(std::unique_ptr<TWritableFile> file) : file_(std::move(file)) {}
    void Write(const uint8_t* data, size_t size) override {
        file_->Write(data, size);
        throw std::runtime_error("disk full");
    }
    void Close() override { file_->Close(); }

private:
    std::unique_ptr<TWritableFile> file_;
};

// Standard access with one fault: Create fails, writing fails, or the extracted temporary
// file cannot be opened again.
enum class TFault { Create, Write, ReadBack };

class TFaultyAccess : public TFixedTemporaryName {
public:
    TFaultyAccess(const fs::path& temporary, TFault fault)
        : TFixedTemporaryName(temporary), fault_(fault) {}
    std::unique_ptr<TReadableFile> OpenForReading(const std::string& name) override {
        if (fault_ == TFault::ReadBack && name == NewTemporaryName())
            return nullptr;
        return TFixedTemporaryName::OpenForReading(name);
    }
    std::unique_ptr<TWritableFile> Create(const std::string& name) override {
        if (fault_ == TFault::Create)
            return nullptr;
        std::unique_ptr<TWritableFile> file = TFixedTemporaryName::Create(name);
        if (fault_ == TFault::Write)
            return std::make_unique<TFailingWrite>(std::move(file));
        return file;
    }

private:
    TFault fault_;
};

TEST(SkinArchiveLoadFaults, FailingFileAccessNeverLoadsAndLeavesNoTemporaryFile) {
    TTempDir dir;
    const fs::path archive = dir / "skin.zip";
    WriteFile(archive, WriteZipArchive({MakeDeflatedEntry(
                           "SKINDATA.SK2", WriteSkinRecords({IntegerRecord("A", 1)}))}));
    const fs::path temporary = dir / "{TEMP}";
    for (TFault fault : {TFault::Create, TFault::Write}) {
        TFaultyAccess files(temporary, fault);
        EXPECT_NE(LoadSkinArchive(files, archive.string(), "").Result, ArchiveResult::Extracted)
            << static_cast<int>(fault);
        EXPECT_FALSE(fs::exists(temporary)) << static_cast<int>(fault);
    }
    TFaultyAccess files(temporary, TFault::ReadBack);
    EXPECT_THROW(LoadSkinArchive(files, archive.string(), ""), std::runtime_error);
    EXPECT_FALSE(fs::exists(temporary));
}

} // namespace
