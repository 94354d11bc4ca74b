// Canonical Huffman decoding with a two-level table per alphabet (codes up to kPrimaryBits
// long in the primary table, longer ones in small second-level tables behind it, so that
// building a table costs little however long the codes are), and the block decoder for
// literal/length and distance codes.
#pragma once

#include "format/InflateStreams.h"

#include <cstdint>
#include <memory>

class THuffmanTree {
public:
    // Table entry: bits 0-15 symbol, 16-23 code length, 24-31 extra bits after the code.
    // A primary entry of code length 0 links to a second-level table instead: bits 0-15 its
    // offset in the table, 24-31 how many bits after the primary ones index it.
    static constexpr uint32_t kUnassigned = 0xFFFFFFFFu;
    static constexpr int kPrimaryBits = 10;
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

    // The primary table's entry at index (0 .. 2^TableBits - 1).
    uint32_t DecodeEntry(uint32_t index) const { return table_[index]; }
    // The entry of the code that starts the bits (at least CodeBits of them, first bit
    // lowest), through the second level when the code is long.
    uint32_t Lookup(uint64_t bits) const {
        const uint32_t entry = table_[bits & primaryMask_];
        if (EntryLength(entry) != 0)
            return entry;
        const uint64_t index = (bits >> tableBits_) & ((uint64_t{1} << EntryExtraBits(entry)) - 1);
        return table_[EntrySymbol(entry) + index];
    }
    int MaxBits() const { return maxBits_; }
    // Bits the primary table is indexed by: the longest code, at most kPrimaryBits.
    int TableBits() const { return tableBits_; }
    // The longest code's length.
    int CodeBits() const { return codeBits_; }
    // Entries of both levels together.
    size_t EntryCount() const { return entryCount_; }

    // Decodes one block's compressed data with this tree for literals and lengths, up to and
    // including the end-of-block code.
    void InflateBlockData(const THuffmanTree& distanceTree, TBitReader& reader,
                          TOutputWindow& window) const;

private:
    std::unique_ptr<uint32_t[]> table_; // primary, then the second-level tables
    int maxBits_;
    int tableBits_ = 0;
    int codeBits_ = 0;
    uint64_t primaryMask_ = 0;
    size_t entryCount_ = 1;
};

// Extra bits of length symbols 257.. and distance symbols 0.. (entries for the fixed trees'
// unused symbols are 0).
extern const uint8_t kLengthExtraBits[31];
extern const uint8_t kDistanceExtraBits[32];

// The fixed codes, built on first use and kept for the rest of the run.
const THuffmanTree& FixedLiteralTree();
const THuffmanTree& FixedDistanceTree();
