#include "model/NumberForms.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace td {

namespace {

// Writes |value| rounded to 7 significant digits. Rounding happens once, in
// the scientific conversion, so a value such as 9999999.6 becomes 1E+07 and
// picks its form from the rounded exponent.
void AppendMagnitude(std::string& out, double magnitude) {
    char buf[32];
    auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 6);
    // buf holds "d.dddddde+XX" (or more exponent digits).
    const char* end = res.ptr;
    const char* e = buf;
    while (e < end && *e != 'e')
        ++e;
    int exponent = 0;
    std::from_chars(e + 1 + (e[1] == '+' ? 1 : 0), end, exponent);

    char digits[7];
    digits[0] = buf[0];
    for (int i = 1; i < 7; ++i)
        digits[i] = buf[i + 1];
    int count = 7;
    while (count > 1 && digits[count - 1] == '0')
        --count;

    if (exponent >= 7 || exponent < -4) {
        out.push_back(digits[0]);
        if (count > 1) {
            out.push_back('.');
            out.append(digits + 1, static_cast<std::size_t>(count - 1));
        }
        out.push_back('E');
        out.push_back(exponent < 0 ? '-' : '+');
        const int absExp = exponent < 0 ? -exponent : exponent;
        if (absExp < 10)
            out.push_back('0');
        char eb[8];
        auto er = std::to_chars(eb, eb + sizeof eb, absExp);
        out.append(eb, er.ptr);
        return;
    }
    if (exponent >= 0) {
        // Integer part: digits[0..exponent], padded with zeros when the
        // significant digits run out first.
        for (int i = 0; i <= exponent; ++i)
            out.push_back(i < count ? digits[i] : '0');
        if (count > exponent + 1) {
            out.push_back('.');
            out.append(digits + exponent + 1, static_cast<std::size_t>(count - exponent - 1));
        }
        return;
    }
    out.append("0.");
    out.append(static_cast<std::size_t>(-exponent - 1), '0');
    out.append(digits, static_cast<std::size_t>(count));
}

} // namespace

void AppendSingleText(std::string& out, float value) {
    // A value the reader could not take back (NaN, infinity) is written as
    // the nearest value it can.
    if (std::isnan(value)) {
        out.push_back('0');
        return;
    }
    if (std::isinf(value))
        value = std::copysign(std::numeric_limits<float>::max(), value);
    if (value == 0.0f) {
        out.push_back('0');
        return;
    }
    double v = value;
    if (v < 0) {
        out.push_back('-');
        v = -v;
    }
    AppendMagnitude(out, v);
}

std::string SingleText(float value) {
    std::string s;
    AppendSingleText(s, value);
    return s;
}

void AppendIntText(std::string& out, std::int64_t value) {
    char buf[24];
    auto res = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, res.ptr);
}

void AppendIntNumber(std::string& out, std::int64_t value) {
    if (value >= 0)
        out.push_back(' ');
    AppendIntText(out, value);
    out.push_back(' ');
}

std::string IntNumber(std::int64_t value) {
    std::string s;
    AppendIntNumber(s, value);
    return s;
}

void PadToNextZone(std::string& out, std::size_t lineStart) {
    const std::size_t used = out.size() - lineStart;
    const std::size_t zone = static_cast<std::size_t>(PrintZoneWidth);
    out.append(zone - used % zone, ' ');
}

} // namespace td
