// The committed picture files of the graphics tests (written by make_fixtures.py).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

std::string FixturePath(const std::string& name);
std::vector<uint8_t> ReadFixture(const std::string& name);
