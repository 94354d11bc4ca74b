// Writes ZIP archives: local headers, data, central directory and end record. Entries are
// given already compressed; encryption with the traditional PKWARE method is applied here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TZipEntry {
    std::string Name;
    std::vector<uint8_t> Data; // as stored (compressed), before encryption
    uint32_t Crc = 0;          // of the uncompressed data
    uint32_t UncompressedSize = 0;
    uint16_t Method = 8;
    uint16_t Flags = 0;     // bit 0 is set by Password; bit 3 adds a data descriptor
    uint16_t Time = 0x6000; // DOS time and date
    uint16_t Date = 0x5A21;
    std::vector<uint8_t> Extra;
    std::string Comment;
    std::string Password; // non-empty: encrypted
};

// Compresses data with DeflateCompress and fills the sizes and the CRC-32.
TZipEntry MakeDeflatedEntry(const std::string& name, const std::vector<uint8_t>& data);

std::vector<uint8_t> WriteZipArchive(const std::vector<TZipEntry>& entries,
                                     const std::string& archiveComment = {});
