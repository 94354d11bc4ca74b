#include "format/InflateStreams.h"

#include <algorithm>
#include <bit>

namespace {
// A valid stream never consumes the zero bits supplied past its end; the buffer may hold up
// to 7 of those bytes unread, so more than 8 mean the decoder has run past the input.
constexpr size_t kMaxZeroBytes = 8;
} // namespace

const char* InflateErrorText(TInflateError error) {
    switch (error) {
    case TInflateError::InputExhausted:
        return "deflate: input ends before the final block";
    case TInflateError::InvalidBlockType:
        return "deflate: invalid block type";
    case TInflateError::TooManyCodes:
        return "deflate: too many length or distance codes";
    case TInflateError::OversubscribedCode:
        return "deflate: over-subscribed code lengths";
    case TInflateError::UnassignedCode:
        return "deflate: bits match no code";
    case TInflateError::RepeatWithoutLength:
        return "deflate: repeat with no previous length";
    case TInflateError::RepeatPastEnd:
        return "deflate: code-length repeat past the end";
    case TInflateError::InvalidLengthSymbol:
        return "deflate: invalid length symbol";
    case TInflateError::InvalidDistanceSymbol:
        return "deflate: invalid distance symbol";
    case TInflateError::DistanceTooFar:
        return "deflate: distance before the start of the output";
    case TInflateError::OutputTooLarge:
        return "deflate: output larger than allowed";
    }
    return "deflate: error";
}

TBitReader::TBitReader(TInputSource& source) : source_(source), chunk_(kChunkSize) {
    state_.Next = state_.End = chunk_.data();
}

uint64_t TBitReader::LittleEndian(uint64_t word) {
    if constexpr (std::endian::native == std::endian::little)
        return word;
    uint64_t swapped = 0;
    for (int i = 0; i < 8; ++i)
        swapped = swapped << 8 | ((word >> (8 * i)) & 0xFF);
    return swapped;
}

void TBitReader::LoadChunk() {
    const size_t rest = static_cast<size_t>(state_.End - state_.Next);
    std::memmove(chunk_.data(), state_.Next, rest);
    const size_t got = source_.Read(chunk_.data() + rest, kChunkSize - rest);
    if (got == 0)
        endOfInput_ = true;
    state_.Next = chunk_.data();
    state_.End = chunk_.data() + rest + got;
}

void TBitReader::RefillSlow() {
    if (!endOfInput_ && state_.End - state_.Next < 8)
        LoadChunk();
    if (FastRefill(state_))
        return;
    while (state_.Count < 56) {
        uint64_t byte = 0;
        if (state_.Next < state_.End)
            byte = *state_.Next++;
        else if (++zeroBytes_ > kMaxZeroBytes)
            throw EInflateError(TInflateError::InputExhausted);
        state_.Bits |= byte << state_.Count;
        state_.Count += 8;
    }
}

void TBitReader::CopyBytes(uint8_t* destination, size_t size) {
    while (size > 0 && state_.Count >= 8) {
        *destination++ = static_cast<uint8_t>(state_.Bits);
        Drop(8);
        --size;
    }
    if (size == 0)
        return;
    // The buffer is drained; its bits above Count may hold a copy of the next input byte,
    // which the copy below consumes.
    state_.Bits = 0;
    while (size > 0) {
        if (state_.Next == state_.End) {
            if (!endOfInput_)
                LoadChunk();
            if (state_.Next == state_.End)
                throw EInflateError(TInflateError::InputExhausted);
        }
        const size_t piece = std::min(size, static_cast<size_t>(state_.End - state_.Next));
        std::memcpy(destination, state_.Next, piece);
        state_.Next += piece;
        destination += piece;
        size -= piece;
    }
}

TOutputWindow::TOutputWindow(TOutputSink& sink, uint64_t maxOutput)
    : sink_(sink), maxOutput_(maxOutput), buffer_(kSize + kSlack) {}

void TOutputWindow::Emit(size_t size) {
    if (flushed_ + size > maxOutput_)
        throw EInflateError(TInflateError::OutputTooLarge);
    if (size > 0)
        sink_.Write(buffer_.data(), size);
    flushed_ += size;
}

void TOutputWindow::Flush() {
    Emit(kFlushSize);
    std::memmove(buffer_.data(), buffer_.data() + kFlushSize, position_ - kFlushSize);
    position_ -= kFlushSize;
}

void TOutputWindow::Finish() {
    Emit(position_);
    position_ = 0;
}
