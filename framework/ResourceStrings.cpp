#include "framework/ResourceStrings.h"

std::string LoadResString(UINT id) {
    // LoadStringA with a zero buffer size hands out a read-only pointer to the entry, which
    // is stored in UTF-16; converting it keeps the ANSI text whatever its length.
    const wchar_t* text = nullptr;
    const int length =
        LoadStringW(GetModuleHandleA(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || !text)
        throw EResNotFound("string resource " + std::to_string(id) + " not found");
    const int size = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, length, result.data(), size, nullptr, nullptr);
    return result;
}
