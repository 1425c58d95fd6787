#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Bytes as lower-case hexadecimal pairs separated by single spaces ("2b 1e").
std::string HexBytes(const std::vector<uint8_t>& Bytes);
