#include "content/text_reader.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

TextReader::TextReader(const std::string& path) { f_ = std::fopen(path.c_str(), "r"); }

TextReader::~TextReader() {
    if (f_) std::fclose(f_);
}

bool TextReader::NextToken() {
    if (!ok()) return false;
    int c;
    do {
        c = std::fgetc(f_);
    } while (c != EOF && std::isspace(c));
    if (c == EOF) return ok_ = false;
    len_ = 0;
    while (c != EOF && !std::isspace(c)) {
        if (len_ == 255) return ok_ = false; // longer than a token may be
        tok_[len_++] = (char)c;
        c = std::fgetc(f_);
    }
    tok_[len_] = 0;
    return true;
}

bool TextReader::Int(int& v) {
    if (!NextToken()) return false;
    char* end = nullptr;
    errno = 0;
    long n = std::strtol(tok_, &end, 10);
    if (end == tok_ || *end != 0 || errno == ERANGE || n < INT_MIN || n > INT_MAX) return ok_ = false;
    v = (int)n;
    return true;
}

bool TextReader::Flag(bool& v) {
    int n;
    if (!Int(n)) return false;
    v = n != 0;
    return true;
}

bool TextReader::Real(float& v) {
    if (!NextToken()) return false;
    char* end = nullptr;
    errno = 0;
    float x = std::strtof(tok_, &end);
    if (end == tok_ || *end != 0 || !std::isfinite(x)) return ok_ = false;
    v = x;
    return true;
}

bool TextReader::Token(char (&out)[256]) {
    if (!NextToken()) return false;
    std::memcpy(out, tok_, (size_t)len_ + 1);
    return true;
}

bool TextReader::AtEnd() {
    if (!f_) return true;
    int c;
    do {
        c = std::fgetc(f_);
    } while (c != EOF && std::isspace(c));
    if (c == EOF) return true;
    std::ungetc(c, f_);
    return false;
}
