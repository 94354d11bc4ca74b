#include "format/Inflate.h"

#include "format/HuffmanTree.h"

#include <algorithm>

namespace {

// Order in which the code-length code's lengths are stored.
constexpr uint8_t kCodeLengthOrder[19] = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                          11, 4,  12, 3, 13, 2, 14, 1, 15};

// Stored block: LEN after the byte boundary; NLEN is read and not checked.
void CopyStoredBlock(TBitReader& reader, TOutputWindow& window) {
    reader.AlignToByte();
    const uint32_t length = reader.Take(16);
    reader.Take(16);
    size_t left = length;
    while (left > 0) {
        const size_t room = TOutputWindow::kFlushAt - window.Position();
        const size_t piece = std::min({left, room, TBitReader::kChunkSize});
        reader.CopyBytes(window.Data() + window.Position(), piece);
        window.SetPosition(window.Position() + piece);
        window.FlushIfFull();
        left -= piece;
    }
}

uint32_t DecodeSymbol(const THuffmanTree& tree, TBitReader& reader) {
    reader.Refill();
    const uint32_t entry = tree.Lookup(reader.Peek(static_cast<unsigned>(tree.CodeBits())));
    if (entry == THuffmanTree::kUnassigned)
        throw EInflateError(TInflateError::UnassignedCode);
    reader.Drop(THuffmanTree::EntryLength(entry));
    return THuffmanTree::EntrySymbol(entry);
}

void InflateDynamicBlock(TBitReader& reader, TOutputWindow& window) {
    const int literalCount = static_cast<int>(reader.Take(5)) + 257;
    const int distanceCount = static_cast<int>(reader.Take(5)) + 1;
    const int codeLengthCount = static_cast<int>(reader.Take(4)) + 4;
    if (literalCount > 286 || distanceCount > 30)
        throw EInflateError(TInflateError::TooManyCodes);

    uint8_t codeLengthLengths[19] = {};
    for (int i = 0; i < codeLengthCount; ++i)
        codeLengthLengths[kCodeLengthOrder[i]] = static_cast<uint8_t>(reader.Take(3));
    THuffmanTree codeLengthTree(7);
    codeLengthTree.BuildDecodeTable(codeLengthLengths, 19, nullptr, 19, 0);

    uint8_t lengths[286 + 30] = {};
    const int total = literalCount + distanceCount;
    for (int i = 0; i < total;) {
        const uint32_t symbol = DecodeSymbol(codeLengthTree, reader);
        if (symbol < 16) {
            lengths[i++] = static_cast<uint8_t>(symbol);
            continue;
        }
        uint8_t value = 0;
        int repeat = 0;
        if (symbol == 16) {
            if (i == 0)
                throw EInflateError(TInflateError::RepeatWithoutLength);
            value = lengths[i - 1];
            repeat = 3 + static_cast<int>(reader.Take(2));
        } else if (symbol == 17) {
            repeat = 3 + static_cast<int>(reader.Take(3));
        } else {
            repeat = 11 + static_cast<int>(reader.Take(7));
        }
        if (i + repeat > total)
            throw EInflateError(TInflateError::RepeatPastEnd);
        std::fill(lengths + i, lengths + i + repeat, value);
        i += repeat;
    }

    THuffmanTree literalTree(15);
    literalTree.BuildDecodeTable(lengths, 257, kLengthExtraBits, literalCount, 0);
    THuffmanTree distanceTree(15);
    distanceTree.BuildDecodeTable(lengths, 0, kDistanceExtraBits, distanceCount, literalCount);
    literalTree.InflateBlockData(distanceTree, reader, window);
}

} // namespace

void Inflate(TInputSource& source, TOutputSink& sink, uint64_t maxOutput) {
    TBitReader reader(source);
    TOutputWindow window(sink, maxOutput);
    for (bool final = false; !final;) {
        final = reader.Take(1) != 0;
        switch (reader.Take(2)) {
        case 0:
            CopyStoredBlock(reader, window);
            break;
        case 1:
            FixedLiteralTree().InflateBlockData(FixedDistanceTree(), reader, window);
            break;
        case 2:
            InflateDynamicBlock(reader, window);
            break;
        default:
            throw EInflateError(TInflateError::InvalidBlockType);
        }
    }
    window.Finish();
}

size_t TMemorySource::Read(uint8_t* destination, size_t max) {
    const size_t n = std::min(max, size_ - offset_);
    if (n > 0)
        std::memcpy(destination, data_ + offset_, n);
    offset_ += n;
    return n;
}

std::vector<uint8_t> InflateBuffer(const uint8_t* data, size_t size, uint64_t maxOutput) {
    TMemorySource source(data, size);
    TVectorSink sink;
    Inflate(source, sink, maxOutput);
    return std::move(sink.Bytes);
}
