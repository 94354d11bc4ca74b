#include "skin/SUI2SkinReader.h"

#include "format/SkinArchiveLoader.h"
#include "framework/TypeInfo.h"
#include "skin/AnsiFileAccess.h"

#include <charconv>
#include <optional>

namespace {
int ParseDecimal(std::optional<std::string_view> text, int fallback) {
    if (!text || text->empty())
        return fallback;
    int value = 0;
    const char* last = text->data() + text->size();
    auto [end, error] = std::from_chars(text->data(), last, value);
    return error == std::errc() && end == last ? value : fallback;
}
} // namespace

void Tsk2SkinFileReader::TValueList::Add(const std::string& name, const std::string& value) {
    Lines.push_back(name + "=" + value);
    NameLengths.push_back(name.size());
}

std::optional<std::string_view> Tsk2SkinFileReader::TValueList::Find(std::string_view name) const {
    for (size_t i = 0; i < Lines.size(); ++i) {
        const std::string_view line = Lines[i];
        if (SameText(line.substr(0, NameLengths[i]), name))
            return line.substr(NameLengths[i] + 1);
    }
    return std::nullopt;
}

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
            integers_.Add(record.Name, std::to_string(record.IntegerValue()));
            break;
        case TSkinRecordType::Boolean:
            booleans_.Add(record.Name, std::to_string(record.BooleanValue()));
            break;
        case TSkinRecordType::String:
            strings_.Add(record.Name, record.Text());
            break;
        }
    }
    ready_ = true;
}

int Tsk2SkinFileReader::FindBoolean(const std::string& name) const {
    return ParseDecimal(booleans_.Find(name), 0);
}

int Tsk2SkinFileReader::FindInteger(const std::string& name) const {
    return ParseDecimal(integers_.Find(name), -1);
}

TBitmap* Tsk2SkinFileReader::FindBitmap(const std::string& name) const {
    for (const auto& [recordName, bitmap] : bitmaps_)
        if (SameText(recordName, name))
            return bitmap.get();
    return nullptr;
}
