// The numbers of the scene descriptions and map recipes, read by one reader: a value is
// taken only when it parses completely and lies in its field's range; otherwise the reader
// says why, for a message that names the file, the line and the field.
#pragma once

#include <cfloat>
#include <charconv>
#include <climits>
#include <cstdio>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace numbers {

// The range of an int field (what the game's readers take for an integer) and of a real
// field (a finite single-precision number).
constexpr long long kIntLo = INT_MIN, kIntHi = INT_MAX;
constexpr double kRealLo = -FLT_MAX, kRealHi = FLT_MAX;

// True when `s` is written as a whole decimal number: an optional '-' and digits, nothing
// else (no blanks, '+', hexadecimal, fraction or exponent).
inline bool Looks_Whole(std::string_view s) {
    size_t k = !s.empty() && s[0] == '-' ? 1 : 0;
    if (k == s.size()) return false;
    for (; k < s.size(); ++k)
        if (s[k] < '0' || s[k] > '9') return false;
    return true;
}

// True when `s` is written as a decimal real: an optional '-', digits with at most one '.'
// (at least one digit), and an optional exponent 'e' or 'E' with an optional sign and digits.
// "nan", "inf" and hexadecimal are not.
inline bool Looks_Real(std::string_view s) {
    size_t k = !s.empty() && s[0] == '-' ? 1 : 0;
    int digits = 0, dots = 0;
    for (; k < s.size() && s[k] != 'e' && s[k] != 'E'; ++k) {
        if (s[k] == '.') ++dots;
        else if (s[k] >= '0' && s[k] <= '9') ++digits;
        else return false;
    }
    if (digits == 0 || dots > 1) return false;
    if (k == s.size()) return true;
    ++k; // the exponent
    if (k < s.size() && (s[k] == '-' || s[k] == '+')) ++k;
    if (k == s.size()) return false;
    for (; k < s.size(); ++k)
        if (s[k] < '0' || s[k] > '9') return false;
    return true;
}

inline std::string Range_Text(long long lo, long long hi) { return std::to_string(lo) + " to " + std::to_string(hi); }
inline std::string Range_Text(double lo, double hi) {
    char b[64];
    std::snprintf(b, sizeof b, "%g to %g", lo, hi);
    return b;
}

// Reads a whole number from lo to hi. Empty when it is one (stored in out), else why not,
// as words that follow "<key>=<value>: " in a message.
inline std::string Whole(std::string_view s, long long lo, long long hi, long long& out) {
    const std::string wanted = "must be a whole number from " + Range_Text(lo, hi);
    if (!Looks_Whole(s)) return "not a whole number (" + Range_Text(lo, hi) + ")";
    long long n = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), n, 10);
    if (ec != std::errc() || end != s.data() + s.size() || n < lo || n > hi) return wanted;
    out = n;
    return {};
}

inline std::string Int(std::string_view s, int lo, int hi, int& out) {
    long long n = 0;
    std::string why = Whole(s, lo, hi, n);
    if (why.empty()) out = (int)n;
    return why;
}

// Reads a real number from lo to hi (by default any finite single-precision number).
inline std::string Real(std::string_view s, float& out, double lo = kRealLo, double hi = kRealHi) {
    if (!Looks_Real(s)) return "not a number";
    double v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size() || !(v >= lo && v <= hi))
        return "must be a number from " + Range_Text(lo, hi);
    out = (float)v;
    return {};
}

// Reads `count` whole numbers from lo to hi separated by `sep` ("3,4", "40x40", "1,2,3,4").
// Empty when they are, else why not (naming the form, e.g. "A,B").
inline std::string Whole_List(std::string_view s, char sep, size_t count, long long lo, long long hi,
                              std::vector<long long>& out) {
    std::string form;
    for (size_t k = 0; k < count; ++k) form += (k ? std::string(1, sep) : "") + std::string(1, (char)('A' + k));
    std::vector<std::string_view> parts;
    for (size_t start = 0;;) {
        const size_t at = s.find(sep, start);
        parts.push_back(s.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
        if (at == std::string_view::npos) break;
        start = at + 1;
    }
    if (parts.size() != count) return "not of the form " + form;
    out.assign(count, 0);
    for (size_t k = 0; k < count; ++k) {
        if (!Looks_Whole(parts[k]) || !Whole(parts[k], lo, hi, out[k]).empty())
            return "not of the form " + form + " with each a whole number from " + Range_Text(lo, hi);
    }
    return {};
}

} // namespace numbers
