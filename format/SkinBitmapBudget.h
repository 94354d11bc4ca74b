// Limits on the bitmaps one skin may carry: each becomes a GDI bitmap of its own, so a small
// file of many records sharing one picture could otherwise use up the process's GDI objects.
#pragma once

#include "format/SkinRecordChain.h"

#include <cstdint>
#include <vector>

constexpr size_t kMaxSkinBitmaps = 256;
constexpr uint64_t kMaxSkinBitmapPixels = 16u << 20;

// The width times height a bitmap file image declares; 0 when it carries no BMP header.
uint64_t DeclaredBitmapPixels(const std::vector<uint8_t>& fileImage);

// Raises ESkinFormatError when there are more than kMaxSkinBitmaps bitmap records or their
// declared pixels add up to more than kMaxSkinBitmapPixels.
void CheckSkinBitmapBudget(const std::vector<TSkinRecord>& records);
