#include "model/ItemReader.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace td {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

ItemReader::ItemReader(std::string_view text) : text_(text) {
    contentEnd_ = text_.find_last_not_of(" \t\r\n");
    contentEnd_ = contentEnd_ == std::string_view::npos ? 0 : contentEnd_ + 1;
    if (!text_.empty())
        StartLine(0);
}

void ItemReader::StartLine(std::size_t at) {
    pos_ = at;
    ++line_;
    hasLine_ = true;
    const std::size_t nl = text_.find('\n', at);
    if (nl == std::string_view::npos) {
        lineEnd_ = text_.size();
        nextLine_ = text_.size();
    } else {
        lineEnd_ = nl;
        nextLine_ = nl + 1;
    }
    if (lineEnd_ > at && text_[lineEnd_ - 1] == '\r')
        --lineEnd_;
}

void ItemReader::NextLine() {
    if (nextLine_ >= text_.size()) {
        pos_ = text_.size();
        hasLine_ = false;
        return;
    }
    StartLine(nextLine_);
}

void ItemReader::SkipBlanks() {
    while (pos_ < lineEnd_ && IsBlank(text_[pos_]))
        ++pos_;
}

// After an item: one separating comma is consumed; a line with nothing
// left goes on to the next line.
void ItemReader::FinishItem() {
    SkipBlanks();
    if (pos_ < lineEnd_ && text_[pos_] == ',') {
        ++pos_;
        SkipBlanks();
    }
    if (pos_ >= lineEnd_)
        NextLine();
}

bool ItemReader::ReadLineText(std::string_view& item, bool* quoted) {
    if (!hasLine_)
        return false;
    SkipBlanks();
    const bool isQuoted = pos_ < lineEnd_ && text_[pos_] == '"';
    if (quoted)
        *quoted = isQuoted;
    if (isQuoted) {
        const std::size_t start = pos_ + 1;
        std::size_t close = text_.find('"', start);
        if (close == std::string_view::npos || close > lineEnd_)
            close = lineEnd_;
        item = text_.substr(start, close - start);
    } else {
        std::size_t end = pos_;
        while (end < lineEnd_ && text_[end] != ',')
            ++end;
        item = text_.substr(pos_, end - pos_);
    }
    NextLine();
    return true;
}

bool ItemReader::ReadToken(std::string_view& token) {
    if (!hasLine_)
        return false;
    SkipBlanks();
    if (pos_ < lineEnd_ && text_[pos_] == '"') {
        const std::size_t start = pos_ + 1;
        std::size_t close = text_.find('"', start);
        if (close == std::string_view::npos || close > lineEnd_)
            close = lineEnd_;
        token = text_.substr(start, close - start);
        pos_ = close < lineEnd_ ? close + 1 : lineEnd_;
    } else {
        std::size_t end = pos_;
        while (end < lineEnd_ && !IsBlank(text_[end]) && text_[end] != ',')
            ++end;
        token = text_.substr(pos_, end - pos_);
        pos_ = end;
    }
    // An empty line still counts as one (empty) item.
    if (pos_ >= lineEnd_)
        NextLine();
    else
        FinishItem();
    return true;
}

bool ItemReader::NextIsNumber() {
    if (!hasLine_)
        return false;
    SkipBlanks();
    if (pos_ >= lineEnd_ || text_[pos_] == '"')
        return false;
    std::size_t end = pos_;
    while (end < lineEnd_ && !IsBlank(text_[end]) && text_[end] != ',')
        ++end;
    double v = 0;
    return ParseDouble(text_.substr(pos_, end - pos_), v) != NumberParse::NotANumber;
}

NumberParse ParseDouble(std::string_view token, double& value) {
    bool negative = false;
    if (!token.empty() && (token[0] == '+' || token[0] == '-')) {
        negative = token[0] == '-';
        token.remove_prefix(1);
    }
    // from_chars would also take "inf" and "nan"; the file has neither.
    if (token.empty() || !(std::isdigit(static_cast<unsigned char>(token[0])) || token[0] == '.'))
        return NumberParse::NotANumber;
    const char* first = token.data();
    const char* last = first + token.size();
    double v = 0;
    auto res = std::from_chars(first, last, v, std::chars_format::general);
    if (res.ptr != last)
        return NumberParse::NotANumber;
    if (res.ec == std::errc::result_out_of_range) {
        // Underflow reads as zero; overflow cannot be held.
        const bool tiny = token.find("e-") != std::string_view::npos ||
                          token.find("E-") != std::string_view::npos;
        if (!tiny)
            return NumberParse::TooLarge;
        v = 0;
    } else if (res.ec != std::errc()) {
        return NumberParse::NotANumber;
    }
    value = negative ? -v : v;
    return NumberParse::Ok;
}

NumberParse ParseInteger(std::string_view token, std::int64_t lo, std::int64_t hi,
                         std::int64_t& value) {
    std::string_view digits = token;
    if (!digits.empty() && digits[0] == '+')
        digits.remove_prefix(1);
    std::int64_t v = 0;
    const char* last = digits.data() + digits.size();
    auto res = std::from_chars(digits.data(), last, v);
    const bool whole = !digits.empty() && res.ptr == last;
    if (whole && res.ec == std::errc::result_out_of_range)
        return NumberParse::TooLarge;
    if (!whole || res.ec != std::errc()) {
        double d = 0;
        const NumberParse p = ParseDouble(token, d);
        if (p != NumberParse::Ok)
            return p;
        d = std::nearbyint(d); // the default rounding mode sends halves to even
        if (!(d >= static_cast<double>(lo) && d <= static_cast<double>(hi)))
            return NumberParse::TooLarge;
        v = static_cast<std::int64_t>(d);
    }
    if (v < lo || v > hi)
        return NumberParse::TooLarge;
    value = v;
    return NumberParse::Ok;
}

NumberParse ParseSingle(std::string_view token, float& value) {
    double d = 0;
    const NumberParse p = ParseDouble(token, d);
    if (p != NumberParse::Ok)
        return p;
    if (std::fabs(d) > static_cast<double>(std::numeric_limits<float>::max()))
        return NumberParse::TooLarge;
    value = static_cast<float>(d);
    return NumberParse::Ok;
}

bool ReadsAsNumber(std::string_view text) {
    const std::size_t i = text.find_first_not_of(" \t");
    if (i == std::string_view::npos)
        return false;
    text.remove_prefix(i);
    if (text.front() == '+')
        text.remove_prefix(1);
    // Not "inf" or "nan", which from_chars would take: "Infield" is a name.
    const std::size_t lead = !text.empty() && text.front() == '-' ? 1 : 0;
    if (lead >= text.size() ||
        !(std::isdigit(static_cast<unsigned char>(text[lead])) || text[lead] == '.'))
        return false;
    double v = 0;
    // A number too large or too small for a double is a number all the same.
    const std::errc ec = std::from_chars(text.data(), text.data() + text.size(), v).ec;
    return ec == std::errc() || ec == std::errc::result_out_of_range;
}

} // namespace td
