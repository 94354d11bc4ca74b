#include "skin/AnsiFileAccess.h"

#include "framework/WinHandles.h"
#include "skin/SUI2SkinReader.h"

#include <objbase.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace {

// ReadFile and WriteFile take a DWORD count: larger transfers go in pieces of this size.
constexpr size_t kMaxTransfer = size_t{1} << 30;

TOwnedKernelHandle OwnFileHandle(HANDLE handle) {
    return TOwnedKernelHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

class TAnsiReadableFile : public TReadableFile {
public:
    TAnsiReadableFile(TOwnedKernelHandle handle, uint64_t size)
        : handle_(std::move(handle)), size_(size) {}
    uint64_t Size() const override { return size_; }
    size_t ReadAt(uint64_t offset, uint8_t* destination, size_t size) override {
        if (offset >= size_)
            return 0;
        LARGE_INTEGER position;
        position.QuadPart = static_cast<LONGLONG>(offset);
        if (!SetFilePointerEx(handle_.Get(), position, nullptr, FILE_BEGIN))
            throw std::runtime_error("cannot seek in the file");
        size_t done = 0;
        while (done < size) {
            const DWORD piece = static_cast<DWORD>(std::min(size - done, kMaxTransfer));
            DWORD got = 0;
            if (!ReadFile(handle_.Get(), destination + done, piece, &got, nullptr))
                throw std::runtime_error("cannot read the file");
            if (got == 0)
                break;
            done += got;
        }
        return done;
    }

private:
    TOwnedKernelHandle handle_;
    uint64_t size_;
};

class TAnsiWritableFile : public TWritableFile {
public:
    explicit TAnsiWritableFile(TOwnedKernelHandle handle) : handle_(std::move(handle)) {}
    void Write(const uint8_t* data, size_t size) override {
        size_t done = 0;
        while (done < size) {
            const DWORD piece = static_cast<DWORD>(std::min(size - done, kMaxTransfer));
            DWORD put = 0;
            if (!WriteFile(handle_.Get(), data + done, piece, &put, nullptr) || put == 0)
                throw std::runtime_error("cannot write the output file");
            done += put;
        }
    }
    void Close() override {
        if (handle_ && !CloseHandle(handle_.Release()))
            throw std::runtime_error("cannot write the output file");
    }

private:
    TOwnedKernelHandle handle_;
};

} // namespace

bool AnsiFileExists(const std::string& name) {
    if (name.empty())
        return false;
    const DWORD attributes = GetFileAttributesA(name.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string TAnsiFileAccess::NewTemporaryName() {
    char folder[MAX_PATH + 1] = {};
    const DWORD length = tempPath_(MAX_PATH, folder);
    if (length == 0 || length > MAX_PATH)
        throw ESkinReadError(); // never the root of the current drive instead
    std::string path(folder, length);
    if (path.back() != '\\')
        path += '\\';
    GUID guid{};
    if (FAILED(CoCreateGuid(&guid)))
        throw ESkinReadError();
    char text[40];
    std::snprintf(text, sizeof text, "{%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  static_cast<unsigned long>(guid.Data1), guid.Data2, guid.Data3, guid.Data4[0],
                  guid.Data4[1], guid.Data4[2], guid.Data4[3], guid.Data4[4], guid.Data4[5],
                  guid.Data4[6], guid.Data4[7]);
    return path + text;
}

std::unique_ptr<TReadableFile> TAnsiFileAccess::OpenForReading(const std::string& name) {
    TOwnedKernelHandle handle =
        OwnFileHandle(CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle || GetFileType(handle.Get()) != FILE_TYPE_DISK)
        return nullptr;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(handle.Get(), &size))
        return nullptr;
    return std::make_unique<TAnsiReadableFile>(std::move(handle),
                                               static_cast<uint64_t>(size.QuadPart));
}

std::unique_ptr<TWritableFile> TAnsiFileAccess::Create(const std::string& name) {
    TOwnedKernelHandle handle =
        OwnFileHandle(CreateFileA(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle)
        return nullptr;
    return std::make_unique<TAnsiWritableFile>(std::move(handle));
}

void TAnsiFileAccess::Remove(const std::string& name) noexcept {
    DeleteFileA(name.c_str());
}
