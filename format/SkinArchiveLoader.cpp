#include "skin/SkinArchiveLoader.h"

#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

// Removes the file when the scope ends, however it ends.
class TTemporaryFile {
public:
    explicit TTemporaryFile(fs::path name) : name_(std::move(name)) {}
    TTemporaryFile(const TTemporaryFile&) = delete;
    TTemporaryFile& operator=(const TTemporaryFile&) = delete;
    ~TTemporaryFile() {
        std::error_code error;
        fs::remove(name_, error);
    }

private:
    fs::path name_;
};

std::vector<uint8_t> ReadWholeFile(const fs::path& name) {
    std::ifstream in(name, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot open the extracted skin data");
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.seekg(0);
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), size);
    if (in.gcount() != size)
        throw std::runtime_error("cannot read the extracted skin data");
    return bytes;
}

} // namespace

TSkinArchiveContents LoadSkinArchive(const fs::path& archiveName, std::string_view password,
                                     const fs::path& tempFile) {
    TTemporaryFile guard(tempFile);
    TSkinArchiveContents contents;
    contents.Result = ExtractArchiveEntry(archiveName, kSkinDataEntryName, tempFile, password);
    if (contents.Result != ArchiveResult::Extracted)
        return contents;
    const std::vector<uint8_t> bytes = ReadWholeFile(tempFile);
    contents.Records = ParseSkinRecords(bytes.data(), bytes.size());
    return contents;
}
