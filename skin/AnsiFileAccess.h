// File access through the ANSI Windows API, for the skin file reader: temporary names from
// GetTempPathA and a new GUID, files through CreateFileA, ReadFile, WriteFile and DeleteFileA.
#pragma once

#include "format/FileAccess.h"

#include <windows.h>

#include <string>

// Whether the name is an existing file (not a folder), through GetFileAttributesA.
bool AnsiFileExists(const std::string& name);

class TAnsiFileAccess : public TFileAccess {
public:
    using TTempPathQuery = DWORD(WINAPI*)(DWORD, LPSTR);

    explicit TAnsiFileAccess(TTempPathQuery tempPath = &GetTempPathA) : tempPath_(tempPath) {}

    // The temporary folder and a new GUID in registry form. Raises ESkinReadError when the
    // temporary folder cannot be found or no GUID can be made.
    std::string NewTemporaryName() override;
    std::unique_ptr<TReadableFile> OpenForReading(const std::string& name) override;
    std::unique_ptr<TWritableFile> Create(const std::string& name) override;
    void Remove(const std::string& name) noexcept override;

private:
    TTempPathQuery tempPath_;
};
