// Reads a skin file: a ZIP archive whose entry SKINDATA.SK2 holds named bitmaps, integers,
// booleans and strings. The entry is extracted to a temporary file, parsed into four lists
// and the file deleted (the portable LoadSkinArchive through TAnsiFileAccess); look-ups then
// answer by name.
#pragma once

#include "framework/Bitmap.h"

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class ESkinReadError : public std::runtime_error {
public:
    ESkinReadError() : std::runtime_error("Failed to read skin file!") {}
};

class Tsk2SkinFileReader {
public:
    // Loads the file. Raises ESkinReadError ("Failed to read skin file!") when the archive
    // cannot be read or has no SKINDATA.SK2; returns with Ready false when the entry is
    // refused (encrypted without the right password, or truncated). A malformed entry raises
    // the parser's or the bitmap decoder's error. The temporary file never outlives this call.
    Tsk2SkinFileReader(const std::string& fileName, const std::string& password);
    Tsk2SkinFileReader(const Tsk2SkinFileReader&) = delete;
    Tsk2SkinFileReader& operator=(const Tsk2SkinFileReader&) = delete;

    bool Ready() const { return ready_; }
    // The first match in file order, names compared without regard to case.
    int FindBoolean(const std::string& name) const;     // 0 when missing or not a number
    int FindInteger(const std::string& name) const;     // -1 when missing or not a number
    TBitmap* FindBitmap(const std::string& name) const; // owned by the reader

    // The lists as read: "NAME=value" lines, duplicates kept in file order.
    const std::vector<std::string>& Integers() const { return integers_.Lines; }
    const std::vector<std::string>& Booleans() const { return booleans_.Lines; }
    const std::vector<std::string>& Strings() const { return strings_.Lines; }
    const std::vector<std::pair<std::string, std::unique_ptr<TBitmap>>>& Bitmaps() const {
        return bitmaps_;
    }

    // A new temporary file name: the temporary folder and a GUID in registry form.
    static std::string NewTemporaryName();

private:
    // "NAME=value" lines with each name's length kept apart, so that a name holding "=" is
    // matched whole and never shadows another record.
    struct TValueList {
        std::vector<std::string> Lines;
        std::vector<size_t> NameLengths;
        void Add(const std::string& name, const std::string& value);
        std::optional<std::string_view> Find(std::string_view name) const;
    };

    std::vector<std::pair<std::string, std::unique_ptr<TBitmap>>> bitmaps_;
    TValueList integers_;
    TValueList booleans_;
    TValueList strings_;
    bool ready_ = false;
};
