// The record container of a skin file (the entry SKINDATA.SK2): a 24-byte header whose last
// field points at the first 77-byte record; each record names a bitmap, an integer, a
// boolean or a string, points at its data and at the next record. The record with a next
// offset of 0 ends the chain and carries nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// The type byte of a record.
enum class TSkinRecordType : uint8_t { Bitmap = 0, Integer = 1, Boolean = 2, String = 3 };

struct TSkinRecord {
    std::string Name; // up to the first zero byte, at most 64 characters
    TSkinRecordType Type = TSkinRecordType::Integer;
    std::vector<uint8_t> Data; // bitmap file image, 4 integer bytes, 1 boolean byte or text

    int32_t IntegerValue() const; // Integer records
    uint8_t BooleanValue() const; // Boolean records
    std::string Text() const;     // String records: the bytes as they are
};

class ESkinFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

namespace SkinFormat {
constexpr size_t kHeaderSize = 24;
constexpr size_t kHeaderLengthOffset = 12;
constexpr size_t kFirstRecordOffset = 20;
constexpr size_t kRecordSize = 77;
constexpr size_t kNameSize = 64;
constexpr size_t kTypeOffset = 64;
constexpr size_t kDataOffsetOffset = 65;
constexpr size_t kDataSizeOffset = 69;
constexpr size_t kNextRecordOffset = 73;
constexpr size_t kIntegerSize = 4;
constexpr size_t kBooleanSize = 1;
} // namespace SkinFormat

// The kept records in chain order; records of other types are skipped. Raises
// ESkinFormatError when a header field, a record or its data lies outside the entry, when
// HeaderLength is below 24, when the chain comes back to a record it has passed or when the
// kept records' data together are larger than the entry (records sharing one block).
// Integer records take the 4 bytes at DataOffset and boolean records the byte there,
// whatever DataSize says; bitmaps and strings take DataSize bytes.
std::vector<TSkinRecord> ParseSkinRecords(const uint8_t* data, size_t size);
