// A fresh folder below the system's temporary folder, removed with its contents at the end.
#pragma once

#include <string>
#include <vector>

class TScratchFolder {
public:
    // A folder of a unique name without blanks.
    TScratchFolder();
    // "<temporary folder>vfc tests <process id>\<name> dir": a name with blanks, as programs
    // are installed.
    explicit TScratchFolder(const std::string& name);
    ~TScratchFolder();
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;

    const std::string& Path() const { return path_; }
    // The path of a file in the folder (the file is not made).
    std::string File(const std::string& name) const { return path_ + "\\" + name; }
    // Creates a sub-folder (and its parents) and returns its path, without a final backslash.
    std::string Folder(const std::string& relative) const;
    // The names of what the folder holds.
    std::vector<std::string> Names() const;

private:
    std::string path_;
    bool inGroup_ = false; // inside the folder of this process's named scratch folders
};
