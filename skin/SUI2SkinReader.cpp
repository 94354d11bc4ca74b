#include "skin/SUI2SkinReader.h"

#include "framework/TypeInfo.h"
#include "skin/SkinArchiveLoader.h"

#include <objbase.h>

#include <charconv>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace {
// Deletes the temporary file however the load ends.
class TTemporaryFile {
public:
    explicit TTemporaryFile(std::string path) : path_(std::move(path)) {}
    ~TTemporaryFile() { DeleteFileA(path_.c_str()); }
    TTemporaryFile(const TTemporaryFile&) = delete;
    TTemporaryFile& operator=(const TTemporaryFile&) = delete;
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot open the extracted skin data");
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// The value after "NAME=" on the first line whose name matches.
const std::string* FindValue(const std::vector<std::string>& lines, const std::string& name) {
    for (const std::string& line : lines) {
        const size_t eq = line.find('=');
        if (eq != std::string::npos && SameText(std::string_view(line).substr(0, eq), name))
            return &line;
    }
    return nullptr;
}

int ParseDecimal(const std::string* line, int fallback) {
    if (!line)
        return fallback;
    const char* first = line->data() + line->find('=') + 1;
    const char* last = line->data() + line->size();
    int value = 0;
    auto [end, error] = std::from_chars(first, last, value);
    return error == std::errc() && end == last && first != last ? value : fallback;
}
} // namespace

std::string Tsk2SkinFileReader::NewTemporaryName() {
    char folder[MAX_PATH + 1] = {};
    DWORD length = GetTempPathA(MAX_PATH, folder);
    std::string path(folder, length <= MAX_PATH ? length : 0);
    if (path.empty() || path.back() != '\\')
        path += '\\';
    GUID guid{};
    if (FAILED(CoCreateGuid(&guid)))
        throw ESkinReadError();
    char text[40];
    std::snprintf(text, sizeof text, "{%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  static_cast<unsigned long>(guid.Data1), guid.Data2, guid.Data3, guid.Data4[0],
                  guid.Data4[1], guid.Data4[2], guid.Data4[3], guid.Data4[4], guid.Data4[5],
                  guid.Data4[6], guid.Data4[7]);
    return path + text;
}

Tsk2SkinFileReader::Tsk2SkinFileReader(const std::string& fileName, const std::string& password) {
    TTemporaryFile temporary(NewTemporaryName());
    const ArchiveResult result =
        ExtractArchiveEntry(fileName, kSkinDataEntryName, temporary.Path(), password);
    if (result == ArchiveResult::Refused)
        return;
    if (result != ArchiveResult::Extracted)
        throw ESkinReadError();
    const std::vector<uint8_t> entry = ReadWholeFile(temporary.Path());
    for (const TSkinRecord& record : ParseSkinRecords(entry.data(), entry.size())) {
        switch (record.Type) {
        case TSkinRecordType::Bitmap: {
            auto bitmap = std::make_unique<TBitmap>();
            bitmap->LoadFromMemory(record.Data.data(), record.Data.size());
            bitmaps_.emplace_back(record.Name, std::move(bitmap));
            break;
        }
        case TSkinRecordType::Integer:
            integers_.push_back(record.Name + "=" + std::to_string(record.IntegerValue()));
            break;
        case TSkinRecordType::Boolean:
            booleans_.push_back(record.Name + "=" + std::to_string(record.BooleanValue()));
            break;
        case TSkinRecordType::String:
            strings_.push_back(record.Name + "=" + record.Text());
            break;
        }
    }
    ready_ = true;
}

int Tsk2SkinFileReader::FindBoolean(const std::string& name) const {
    return ParseDecimal(FindValue(booleans_, name), 0);
}

int Tsk2SkinFileReader::FindInteger(const std::string& name) const {
    return ParseDecimal(FindValue(integers_, name), -1);
}

TBitmap* Tsk2SkinFileReader::FindBitmap(const std::string& name) const {
    for (const auto& [recordName, bitmap] : bitmaps_)
        if (SameText(recordName, name))
            return bitmap.get();
    return nullptr;
}
