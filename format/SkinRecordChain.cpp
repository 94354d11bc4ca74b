#include "format/SkinRecordChain.h"

#include "format/LittleEndian.h"

#include <cstring>
#include <optional>

using namespace SkinFormat;

namespace {

void Require(bool condition, const char* what) {
    if (!condition)
        throw ESkinFormatError(what);
}

bool Inside(uint64_t offset, uint64_t length, size_t size) {
    return offset <= size && length <= size - offset;
}

// The type byte as a kept record type; other values are skipped.
std::optional<TSkinRecordType> KnownType(uint8_t type) {
    switch (static_cast<TSkinRecordType>(type)) {
    case TSkinRecordType::Bitmap:
    case TSkinRecordType::Integer:
    case TSkinRecordType::Boolean:
    case TSkinRecordType::String:
        return static_cast<TSkinRecordType>(type);
    }
    return std::nullopt;
}

// Integers and booleans have a fixed size whatever DataSize says.
size_t DataLength(TSkinRecordType type, uint32_t dataSize) {
    switch (type) {
    case TSkinRecordType::Integer:
        return kIntegerSize;
    case TSkinRecordType::Boolean:
        return kBooleanSize;
    case TSkinRecordType::Bitmap:
    case TSkinRecordType::String:
        break;
    }
    return dataSize;
}

} // namespace

int32_t TSkinRecord::IntegerValue() const {
    Require(Data.size() >= kIntegerSize, "integer record without its 4 bytes");
    return static_cast<int32_t>(ReadLe32(Data.data()));
}

uint8_t TSkinRecord::BooleanValue() const {
    Require(!Data.empty(), "boolean record without its byte");
    return Data[0];
}

std::string TSkinRecord::Text() const {
    return std::string(Data.begin(), Data.end());
}

std::vector<TSkinRecord> ParseSkinRecords(const uint8_t* data, size_t size) {
    Require(data != nullptr && size >= kHeaderSize, "skin data shorter than its header");
    const uint32_t headerLength = ReadLe32(data + kHeaderLengthOffset);
    Require(headerLength >= kHeaderSize && headerLength <= size, "bad skin header length");

    std::vector<TSkinRecord> records;
    std::vector<bool> visited(size, false);
    size_t copied = 0; // records may share data: what they copy together stays within size
    uint32_t offset = ReadLe32(data + kFirstRecordOffset);
    for (;;) {
        Require(Inside(offset, kRecordSize, size), "skin record outside the data");
        Require(!visited[offset], "skin record chain loops");
        visited[offset] = true;
        const uint8_t* r = data + offset;
        const uint32_t next = ReadLe32(r + kNextRecordOffset);
        if (next == 0)
            break;
        const uint32_t dataOffset = ReadLe32(r + kDataOffsetOffset);
        const uint32_t dataSize = ReadLe32(r + kDataSizeOffset);
        const std::optional<TSkinRecordType> type = KnownType(r[kTypeOffset]);
        if (type) {
            const size_t length = DataLength(*type, dataSize);
            Require(Inside(dataOffset, length, size), "skin record data outside the data");
            Require(length <= size - copied, "skin records copy more than the entry holds");
            copied += length;
            TSkinRecord record;
            const void* zero = std::memchr(r, 0, kNameSize);
            record.Name.assign(reinterpret_cast<const char*>(r),
                               zero ? static_cast<const uint8_t*>(zero) - r : kNameSize);
            record.Type = *type;
            record.Data.assign(data + dataOffset, data + dataOffset + length);
            records.push_back(std::move(record));
        }
        offset = next;
    }
    return records;
}
