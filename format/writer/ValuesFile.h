// The text file of named values for skin-pack, one value a line:
//   integer NAME VALUE    decimal, negative decimal or 0x hexadecimal (colours as 0x00BBGGRR)
//   boolean NAME VALUE    0 to 255, or true / false
//   string NAME TEXT      everything after the single space that follows NAME
// Blank lines and lines whose first non-blank character is '#' are ignored.
#pragma once

#include "format/SkinRecordChain.h"

#include <istream>
#include <stdexcept>
#include <vector>

class EValuesFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Raises EValuesFileError naming the line for anything it cannot read.
std::vector<TSkinRecord> ReadValuesFile(std::istream& in);
