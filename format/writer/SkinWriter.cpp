#include "format/writer/SkinWriter.h"

#include <cstring>
#include <stdexcept>

using namespace SkinFormat;

namespace {

void Set32(std::vector<uint8_t>& out, size_t at, uint64_t v) {
    if (v > 0xFFFFFFFFu)
        throw std::length_error("skin data too large");
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

} // namespace

std::vector<uint8_t> WriteSkinRecords(const std::vector<TSkinRecord>& records) {
    const size_t recordsStart = kHeaderSize;
    const size_t dataStart = recordsStart + (records.size() + 1) * kRecordSize;
    std::vector<uint8_t> out(dataStart, 0);
    std::memcpy(out.data(), "VFC SKIN2\0\0\0", 12);
    Set32(out, kHeaderLengthOffset, kHeaderSize);
    Set32(out, kFirstRecordOffset, recordsStart);
    for (size_t i = 0; i < records.size(); ++i) {
        const TSkinRecord& r = records[i];
        if (r.Name.size() > kNameSize)
            throw std::invalid_argument("record name longer than 64 bytes: " + r.Name);
        const size_t at = recordsStart + i * kRecordSize;
        std::memcpy(out.data() + at, r.Name.data(), r.Name.size());
        out[at + kTypeOffset] = static_cast<uint8_t>(r.Type);
        Set32(out, at + kDataOffsetOffset, out.size());
        Set32(out, at + kDataSizeOffset, r.Data.size());
        Set32(out, at + kNextRecordOffset, at + kRecordSize);
        out.insert(out.end(), r.Data.begin(), r.Data.end());
    }
    // The terminator: next offset 0, nothing else.
    out[recordsStart + records.size() * kRecordSize + kTypeOffset] = 0xFF;
    return out;
}

TSkinRecord IntegerRecord(const std::string& name, int32_t value) {
    TSkinRecord r{name, TSkinRecordType::Integer, std::vector<uint8_t>(4)};
    for (int i = 0; i < 4; ++i)
        r.Data[i] = static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * i));
    return r;
}

TSkinRecord BooleanRecord(const std::string& name, uint8_t value) {
    return TSkinRecord{name, TSkinRecordType::Boolean, {value}};
}

TSkinRecord StringRecord(const std::string& name, const std::string& text) {
    return TSkinRecord{name, TSkinRecordType::String,
                       std::vector<uint8_t>(text.begin(), text.end())};
}

TSkinRecord BitmapRecord(const std::string& name, std::vector<uint8_t> fileImage) {
    return TSkinRecord{name, TSkinRecordType::Bitmap, std::move(fileImage)};
}
