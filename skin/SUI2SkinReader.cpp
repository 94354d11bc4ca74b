#include "skin/SUI2SkinReader.h"

#include "format/SkinArchiveLoader.h"
#include "framework/TypeInfo.h"
#include "skin/AnsiFileAccess.h"

#include <charconv>

namespace {
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
    return TAnsiFileAccess().NewTemporaryName();
}

Tsk2SkinFileReader::Tsk2SkinFileReader(const std::string& fileName, const std::string& password) {
    TAnsiFileAccess files;
    const TSkinArchiveContents contents = LoadSkinArchive(files, fileName, password);
    if (contents.Result == ArchiveResult::Refused)
        return;
    if (contents.Result != ArchiveResult::Extracted)
        throw ESkinReadError();
    for (const TSkinRecord& record : contents.Records) {
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
