#include "framework/Registry.h"

#include <vector>

void TRegistry::SetRootKey(HKEY root) {
    CloseKey();
    root_ = root;
}

bool TRegistry::OpenKeyReadOnly(const std::string& path) {
    CloseKey();
    HKEY key = nullptr;
    if (RegOpenKeyExA(root_, path.c_str(), 0, access_, &key) != ERROR_SUCCESS)
        return false;
    key_.Reset(key);
    return true;
}

bool TRegistry::ValueExists(const std::string& name) const {
    return key_ && RegQueryValueExA(key_.Get(), name.c_str(), nullptr, nullptr, nullptr,
                                    nullptr) == ERROR_SUCCESS;
}

std::string TRegistry::ReadString(const std::string& name) const {
    if (!key_)
        return {};
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key_.Get(), name.c_str(), nullptr, &type, nullptr, &size) !=
        ERROR_SUCCESS)
        return {};
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        throw ERegistryException("Invalid data type for '" + name + "'");
    // The value may change between the two calls: read until the buffer was big enough.
    std::vector<char> buffer(size + 1);
    for (;;) {
        DWORD got = static_cast<DWORD>(buffer.size());
        LONG rc = RegQueryValueExA(key_.Get(), name.c_str(), nullptr, &type,
                                   reinterpret_cast<BYTE*>(buffer.data()), &got);
        if (rc == ERROR_MORE_DATA) {
            buffer.resize(got + 1);
            continue;
        }
        if (rc != ERROR_SUCCESS)
            return {};
        if (type != REG_SZ && type != REG_EXPAND_SZ)
            throw ERegistryException("Invalid data type for '" + name + "'");
        // Stored strings need not be terminated; stop at the first zero within the data.
        size_t length = 0;
        while (length < got && buffer[length] != '\0')
            ++length;
        return std::string(buffer.data(), length);
    }
}
