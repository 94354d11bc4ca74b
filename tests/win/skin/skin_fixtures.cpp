#include "skin_fixtures.h"

#include <fstream>

std::vector<uint8_t> SolidBmp(int width, int height, uint32_t rgb) {
    return EncodeBmp24(width, height, std::vector<uint32_t>(size_t(width) * height, rgb));
}

std::vector<uint8_t> ColumnCodedBmp(int width, int height) {
    std::vector<uint32_t> pixels(size_t(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels[size_t(y) * width + x] = (uint32_t(x & 0xFF) << 16) | (uint32_t(x >> 8) << 8);
    return EncodeBmp24(width, height, pixels);
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

void WriteSkinFile(const std::string& path, const std::vector<TSkinRecord>& records,
                   const std::string& password, const std::string& archiveComment) {
    TZipEntry readme = MakeDeflatedEntry("readme.txt", {'h', 'i'});
    TZipEntry entry = MakeDeflatedEntry("SKINDATA.SK2", WriteSkinRecords(records));
    entry.Password = password;
    WriteBytes(path, WriteZipArchive({readme, entry}, archiveComment));
}

std::string ProgramFolder() {
    char buffer[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    std::string path(buffer);
    return path.substr(0, path.find_last_of('\\') + 1);
}
