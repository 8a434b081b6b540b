// Reading the game's text files: whitespace-separated values, one after the other.
// Every value is read bounded and checked: an integer must be a whole decimal number in the
// range of int, a real a finite number, a token at most 255 characters. A value that is
// missing, malformed or too long marks the reader failed and every later read fails too,
// so a caller reads a whole file into temporaries and applies it only when ok() holds.
#pragma once

#include <cstdio>
#include <string>

class TextReader {
public:
    explicit TextReader(const std::string& path);
    ~TextReader();
    TextReader(const TextReader&) = delete;
    TextReader& operator=(const TextReader&) = delete;

    bool is_open() const { return f_ != nullptr; }
    bool ok() const { return f_ != nullptr && ok_; }

    bool Int(int& v);
    bool Flag(bool& v);            // an integer, non-zero meaning true
    bool Real(float& v);
    bool Token(char (&out)[256]);  // one token of at most 255 characters
    // True when only white space is left.
    bool AtEnd();

private:
    bool NextToken();
    std::FILE* f_ = nullptr;
    bool ok_ = true;
    char tok_[257];
    int len_ = 0;
};
