// Skin files for tests, written with the skin writer (the code behind skin-pack).
#pragma once

#include "format/SkinRecordChain.h"
#include "format/writer/SkinWriter.h"
#include "format/writer/ZipWriter.h"
#include "framework/BmpDecoder.h"
#include "tests/win/support/ScratchFolder.h"

#include <windows.h>

#include <string>
#include <vector>

// A solid-colour 24-bit BMP file image; colour as 0x00RRGGBB.
std::vector<uint8_t> SolidBmp(int width, int height, uint32_t rgb);
// A strip whose column x has the colour 0x00RRGGBB with R = x & 0xFF and G = x >> 8.
std::vector<uint8_t> ColumnCodedBmp(int width, int height);

// Writes a skin archive holding SKINDATA.SK2 made of `records`.
void WriteSkinFile(const std::string& path, const std::vector<TSkinRecord>& records,
                   const std::string& password = {}, const std::string& archiveComment = {});
void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);

// The folder of the running test program, with a trailing backslash.
std::string ProgramFolder();
