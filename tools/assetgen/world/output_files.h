// Writing the generated files whole, through a temporary name.
#pragma once

#include <string>

// Writes bytes to path (through path + ".tmp" and a rename); raises std::runtime_error on failure.
void WriteWholeFile(const std::string& path, const std::string& bytes);
