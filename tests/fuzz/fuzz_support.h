// Shared by the reader fuzzers: each input is written to a file of this process and read
// back through the reader under test; message boxes go nowhere.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Writes the input to <base><ending> and returns <base> (a path of this process).
std::string Fuzz_File(const uint8_t* data, size_t size, const char* ending);
