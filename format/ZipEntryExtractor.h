// Extraction of one entry of a ZIP archive to a file: the central directory is searched for
// the entry's name, and the entry's data is always decoded as a Deflate stream, decrypted
// first when the entry is encrypted with the traditional PKWARE method.
#pragma once

#include "format/FileAccess.h"

#include <cstdint>
#include <string>
#include <string_view>

enum class ArchiveResult { Extracted = 0, Failed = 1, Refused = 2 };

// The largest entry that is extracted: far above any skin, far below what a hostile archive
// could make the program write to the temporary folder.
constexpr uint32_t kMaxArchiveEntrySize = 64u << 20;

// Failed: the archive is missing, does not start with "PK", its last 22 bytes are not an
// end-of-central-directory record without comment, or no entry has the name (compared
// upper-cased in ASCII, folder part included).
// Refused: the entry is encrypted and the password is empty or wrong, or the output differs
// from the recorded uncompressed size (invalid or truncated data) or its CRC-32 from the
// central directory's, or the data would decode to more than that size (decoding stops
// there), or that size is above kMaxArchiveEntrySize (checked before the output is created).
// An output of 0 bytes counts as Failed. On any result but Extracted no output file remains.
// Every file operation goes through files.
ArchiveResult ExtractArchiveEntry(TFileAccess& files, const std::string& archiveName,
                                  std::string_view entryName, const std::string& outputName,
                                  std::string_view password);
