// Read-only access to the system registry.
#pragma once

#include "framework/WinHandles.h"

#include <stdexcept>
#include <string>

class ERegistryException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TRegistry {
public:
    explicit TRegistry(REGSAM access = KEY_READ) : access_(access) {}

    HKEY RootKey() const { return root_; }
    void SetRootKey(HKEY root);
    // Opens an existing key with the access mask given at construction; never creates one.
    bool OpenKeyReadOnly(const std::string& path);
    void CloseKey() { key_.Reset(); }
    bool ValueExists(const std::string& name) const;
    // The text of a REG_SZ or REG_EXPAND_SZ value; empty when the value does not exist.
    // A value of another type raises "Invalid data type for '<name>'".
    std::string ReadString(const std::string& name) const;

private:
    HKEY root_ = HKEY_CURRENT_USER;
    REGSAM access_;
    TOwnedRegistryKey key_;
};
