// The two ends of Deflate decoding: a bit reader over a chunked input source and the output
// window that keeps 32 KiB of history and hands finished bytes to a sink.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <vector>

// Each way a Deflate stream can be wrong, or too big, is one named error.
enum class TInflateError {
    InputExhausted,        // the stream ends before its final block does
    InvalidBlockType,      // BTYPE 3
    TooManyCodes,          // HLIT above 286 or HDIST above 30
    OversubscribedCode,    // code lengths that describe more codes than fit
    UnassignedCode,        // bits that match no code of the table
    RepeatWithoutLength,   // code-length symbol 16 first of all
    RepeatPastEnd,         // code-length repeats beyond HLIT + HDIST lengths
    InvalidLengthSymbol,   // literal/length symbol 286 or 287
    InvalidDistanceSymbol, // distance symbol 30 or 31
    DistanceTooFar,        // a back-reference before the start of the output
    OutputTooLarge,        // more output than the caller allows
};

const char* InflateErrorText(TInflateError error);

class EInflateError : public std::runtime_error {
public:
    explicit EInflateError(TInflateError error)
        : std::runtime_error(InflateErrorText(error)), Error(error) {}
    TInflateError Error;
};

class TInputSource {
public:
    virtual ~TInputSource() = default;
    // Up to max bytes; 0 only at the end of the input.
    virtual size_t Read(uint8_t* destination, size_t max) = 0;
};

class TOutputSink {
public:
    virtual ~TOutputSink() = default;
    virtual void Write(const uint8_t* data, size_t size) = 0;
};

// Bits least-significant first from a machine-word buffer. Input comes in chunks of 16 KiB,
// the unread rest of a chunk kept in front of the next one; past the end of the input the
// reader supplies zero bits, and a stream that really consumes them fails.
class TBitReader {
public:
    static constexpr size_t kChunkSize = 0x4000;

    // The hot state, copied into locals by the block decoder.
    struct TState {
        uint64_t Bits = 0;
        unsigned Count = 0;
        const uint8_t* Next = nullptr;
        const uint8_t* End = nullptr;
    };

    explicit TBitReader(TInputSource& source);
    TBitReader(const TBitReader&) = delete;
    TBitReader& operator=(const TBitReader&) = delete;

    // Leaves at least 56 bits in the buffer.
    static bool FastRefill(TState& s) {
        if (s.End - s.Next < 8)
            return false;
        uint64_t word;
        std::memcpy(&word, s.Next, 8);
        s.Bits |= LittleEndian(word) << s.Count;
        s.Next += (63 - s.Count) >> 3;
        s.Count |= 56;
        return true;
    }
    void Refill() {
        if (!FastRefill(state_))
            RefillSlow();
    }
    void RefillSlow();

    uint32_t Peek(unsigned n) const {
        return static_cast<uint32_t>(state_.Bits & ((uint64_t{1} << n) - 1));
    }
    void Drop(unsigned n) {
        state_.Bits >>= n;
        state_.Count -= n;
    }
    // n <= 32; refills as needed.
    uint32_t Take(unsigned n) {
        if (state_.Count < n)
            Refill();
        const uint32_t v = Peek(n);
        Drop(n);
        return v;
    }
    void AlignToByte() { Drop(state_.Count % 8); }
    // Whole bytes after AlignToByte: the buffered ones first, then straight from the input.
    void CopyBytes(uint8_t* destination, size_t size);

    TState& State() { return state_; }

private:
    static uint64_t LittleEndian(uint64_t word);
    void LoadChunk();

    TInputSource& source_;
    TState state_;
    std::vector<uint8_t> chunk_;
    bool endOfInput_ = false;
    size_t zeroBytes_ = 0; // zero bytes supplied past the end of the input
};

// 64 KiB + 258 bytes. At 64 KiB the first 32 KiB go to the sink and the rest moves to the
// front, so that 32 KiB of history always stay for back-references.
class TOutputWindow {
public:
    static constexpr size_t kSize = 65536 + 258;
    static constexpr size_t kFlushAt = 65536;
    static constexpr size_t kFlushSize = 32768;
    // Room past kSize for the decoder's word-wise copies; never part of the output.
    static constexpr size_t kSlack = 16;

    TOutputWindow(TOutputSink& sink, uint64_t maxOutput);

    uint8_t* Data() { return buffer_.data(); }
    size_t Position() const { return position_; }
    void SetPosition(size_t position) { position_ = position; }
    // Flushes 32 KiB once the position has reached kFlushAt.
    void FlushIfFull() {
        if (position_ >= kFlushAt)
            Flush();
    }
    // Writes what is left after the final block.
    void Finish();
    uint64_t Produced() const { return flushed_ + position_; }

private:
    void Flush();
    void Emit(size_t size);

    TOutputSink& sink_;
    uint64_t maxOutput_;
    std::vector<uint8_t> buffer_;
    size_t position_ = 0;
    uint64_t flushed_ = 0;
};
