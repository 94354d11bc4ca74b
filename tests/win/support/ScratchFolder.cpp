#include "tests/win/support/ScratchFolder.h"

#include <windows.h>

#include <filesystem>

namespace {
std::string TemporaryFolder() {
    char temp[MAX_PATH + 1];
    GetTempPathA(sizeof(temp), temp);
    return temp;
}
} // namespace

TScratchFolder::TScratchFolder() {
    char name[MAX_PATH + 1];
    GetTempFileNameA(TemporaryFolder().c_str(), "vfc", 0, name);
    DeleteFileA(name);
    CreateDirectoryA(name, nullptr);
    path_ = name;
}

TScratchFolder::TScratchFolder(const std::string& name) : inGroup_(true) {
    path_ = TemporaryFolder() + "vfc tests " + std::to_string(GetCurrentProcessId()) + "\\" + name +
            " dir";
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
    std::filesystem::create_directories(path_);
}

TScratchFolder::~TScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
    if (inGroup_)
        std::filesystem::remove(std::filesystem::path(path_).parent_path(), ignored); // when empty
}

std::string TScratchFolder::Folder(const std::string& relative) const {
    const std::string path = File(relative);
    std::filesystem::create_directories(path);
    return path;
}

std::vector<std::string> TScratchFolder::Names() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_))
        names.push_back(entry.path().filename().string());
    return names;
}
