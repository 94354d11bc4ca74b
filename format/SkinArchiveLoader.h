// The whole portable load of a skin file: extraction of SKINDATA.SK2 to a temporary file,
// reading it back and parsing its record chain. The Windows reader, the tools, the tests and
// the fuzz targets all load through here; only the file access differs.
#pragma once

#include "format/FileAccess.h"
#include "format/SkinRecordChain.h"
#include "format/ZipEntryExtractor.h"

#include <string>
#include <string_view>
#include <vector>

constexpr const char* kSkinDataEntryName = "SKINDATA.SK2";

struct TSkinArchiveContents {
    ArchiveResult Result = ArchiveResult::Failed;
    std::vector<TSkinRecord> Records; // filled only when Result is Extracted
};

// Extracts SKINDATA.SK2 from archiveName to files.NewTemporaryName(), reads and parses it.
// Failed and Refused come back as the result with no records; a parse failure raises
// ESkinFormatError, as does a skin beyond the bitmap budget (format/SkinBitmapBudget.h); a
// read failure raises std::runtime_error. The temporary file no longer
// exists when this returns or throws.
// Bitmap records come back as their raw file images, for DecodeBmpFile or a bitmap class.
TSkinArchiveContents LoadSkinArchive(TFileAccess& files, const std::string& archiveName,
                                     std::string_view password);
