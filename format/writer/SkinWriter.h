// Builds SKINDATA.SK2 bytes: the 24-byte header, one 77-byte record per item, a terminator
// record and then the items' data.
#pragma once

#include "format/SkinRecordChain.h"

#include <cstdint>
#include <vector>

// Raises std::invalid_argument for a name longer than 64 bytes.
std::vector<uint8_t> WriteSkinRecords(const std::vector<TSkinRecord>& records);

TSkinRecord IntegerRecord(const std::string& name, int32_t value);
TSkinRecord BooleanRecord(const std::string& name, uint8_t value);
TSkinRecord StringRecord(const std::string& name, const std::string& text);
TSkinRecord BitmapRecord(const std::string& name, std::vector<uint8_t> fileImage);
