// The whole portable load of a skin file: extraction of SKINDATA.SK2 to a temporary file,
// reading it back and parsing its record chain.
#pragma once

#include "skin/SkinRecordChain.h"
#include "skin/ZipEntryExtractor.h"

#include <filesystem>
#include <string_view>
#include <vector>

constexpr const char* kSkinDataEntryName = "SKINDATA.SK2";

struct TSkinArchiveContents {
    ArchiveResult Result = ArchiveResult::Failed;
    std::vector<TSkinRecord> Records; // filled only when Result is Extracted
};

// Extracts SKINDATA.SK2 from archiveName to tempFile (an unused name in the temporary
// folder), reads and parses it. Failed and Refused come back as the result with no records;
// a parse failure raises ESkinFormatError (and a read failure std::runtime_error). tempFile
// no longer exists when this returns or throws.
// Bitmap records come back as their raw file images, for DecodeBmpFile or a bitmap class.
TSkinArchiveContents LoadSkinArchive(const std::filesystem::path& archiveName,
                                     std::string_view password,
                                     const std::filesystem::path& tempFile);
