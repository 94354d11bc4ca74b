// Canonical Huffman decoding with one single-level table per alphabet, and the block decoder
// for literal/length and distance codes.
#pragma once

#include "format/InflateStreams.h"

#include <cstdint>
#include <memory>

class THuffmanTree {
public:
    // Table entry: bits 0-15 symbol, 16-23 code length, 24-31 extra bits after the code.
    static constexpr uint32_t kUnassigned = 0xFFFFFFFFu;
    static uint32_t EntrySymbol(uint32_t entry) { return entry & 0xFFFF; }
    static unsigned EntryLength(uint32_t entry) { return (entry >> 16) & 0xFF; }
    static unsigned EntryExtraBits(uint32_t entry) { return entry >> 24; }

    // maxBits: 15 for literal/length and distance codes, 7 for the code-length code.
    explicit THuffmanTree(int maxBits);

    // Canonical codes for lengths[offset .. offset + count - 1]; symbols from firstExtraSymbol
    // on take extraBits[symbol - firstExtraSymbol] (extraBits may be null when no symbol
    // reaches it). Raises EInflateError for lengths above MaxBits or an over-subscribed set;
    // an incomplete set leaves unassigned entries, which fail when the input reaches them.
    void BuildDecodeTable(const uint8_t* lengths, int firstExtraSymbol, const uint8_t* extraBits,
                          int count, int offset);

    uint32_t DecodeEntry(uint32_t index) const { return table_[index]; }
    int MaxBits() const { return maxBits_; }
    int TableBits() const { return tableBits_; }

    // Decodes one block's compressed data with this tree for literals and lengths, up to and
    // including the end-of-block code.
    void InflateBlockData(const THuffmanTree& distanceTree, TBitReader& reader,
                          TOutputWindow& window) const;

private:
    std::unique_ptr<uint32_t[]> table_; // 2^TableBits entries
    int maxBits_;
    int tableBits_ = 0;
};

// Extra bits of length symbols 257.. and distance symbols 0.. (entries for the fixed trees'
// unused symbols are 0).
extern const uint8_t kLengthExtraBits[31];
extern const uint8_t kDistanceExtraBits[32];

// The fixed codes, built on first use and kept for the rest of the run.
const THuffmanTree& FixedLiteralTree();
const THuffmanTree& FixedDistanceTree();
