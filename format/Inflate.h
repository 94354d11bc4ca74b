// Deflate (RFC 1951) decoding of one raw stream: stored, fixed and dynamic blocks.
#pragma once

#include "format/InflateStreams.h"

#include <cstdint>
#include <limits>
#include <vector>

constexpr uint64_t kUnlimitedOutput = std::numeric_limits<uint64_t>::max();

// Decodes the stream from source into sink until the end of the final block. Raises
// EInflateError on invalid data, on input that ends early and as soon as the output would
// exceed maxOutput; the sink may then have received part of the output.
void Inflate(TInputSource& source, TOutputSink& sink, uint64_t maxOutput = kUnlimitedOutput);

// In-memory helpers.
class TMemorySource : public TInputSource {
public:
    TMemorySource(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    size_t Read(uint8_t* destination, size_t max) override;

private:
    const uint8_t* data_;
    size_t size_;
    size_t offset_ = 0;
};

class TVectorSink : public TOutputSink {
public:
    void Write(const uint8_t* data, size_t size) override {
        Bytes.insert(Bytes.end(), data, data + size);
    }
    std::vector<uint8_t> Bytes;
};

std::vector<uint8_t> InflateBuffer(const uint8_t* data, size_t size,
                                   uint64_t maxOutput = kUnlimitedOutput);
