// A small Deflate encoder: greedy LZ77 matches coded with the fixed Huffman codes, or stored
// blocks when those come out smaller.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

std::vector<uint8_t> DeflateFixed(const uint8_t* data, size_t size);
std::vector<uint8_t> DeflateStored(const uint8_t* data, size_t size);
// The smaller of the two.
std::vector<uint8_t> DeflateCompress(const uint8_t* data, size_t size);
