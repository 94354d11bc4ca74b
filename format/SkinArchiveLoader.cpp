#include "format/SkinArchiveLoader.h"

#include "format/SkinBitmapBudget.h"

#include <stdexcept>

namespace {

// Removes the file when the scope ends, however it ends.
class TTemporaryFile {
public:
    TTemporaryFile(TFileAccess& files, std::string name) : files_(files), name_(std::move(name)) {}
    TTemporaryFile(const TTemporaryFile&) = delete;
    TTemporaryFile& operator=(const TTemporaryFile&) = delete;
    ~TTemporaryFile() { files_.Remove(name_); }
    const std::string& Name() const { return name_; }

private:
    TFileAccess& files_;
    std::string name_;
};

std::vector<uint8_t> ReadWholeFile(TFileAccess& files, const std::string& name) {
    const std::unique_ptr<TReadableFile> file = files.OpenForReading(name);
    if (!file)
        throw std::runtime_error("cannot open the extracted skin data");
    std::vector<uint8_t> bytes(static_cast<size_t>(file->Size()));
    if (file->ReadAt(0, bytes.data(), bytes.size()) != bytes.size())
        throw std::runtime_error("cannot read the extracted skin data");
    return bytes;
}

} // namespace

TSkinArchiveContents LoadSkinArchive(TFileAccess& files, const std::string& archiveName,
                                     std::string_view password) {
    const TTemporaryFile temporary(files, files.NewTemporaryName());
    TSkinArchiveContents contents;
    contents.Result =
        ExtractArchiveEntry(files, archiveName, kSkinDataEntryName, temporary.Name(), password);
    if (contents.Result != ArchiveResult::Extracted)
        return contents;
    const std::vector<uint8_t> bytes = ReadWholeFile(files, temporary.Name());
    contents.Records = ParseSkinRecords(bytes.data(), bytes.size());
    CheckSkinBitmapBudget(contents.Records);
    return contents;
}
