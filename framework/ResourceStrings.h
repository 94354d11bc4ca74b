// Texts kept in the executable's string table (STRINGTABLE resources), loaded by number.
#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>

class EResNotFound : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The string-table entry `id` of the executable; raises EResNotFound when there is none.
std::string LoadResString(UINT id);
