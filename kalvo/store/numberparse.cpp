#include "kalvo/store/numberparse.h"

#include <charconv>

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

size_t skipBlanks(std::string_view text, size_t pos) {
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    return pos;
}

// Powers of ten that double holds exactly: dividing an exact integer mantissa
// by one of them is a single correctly rounded operation.
constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

} // namespace

std::optional<int32_t> parseInteger(std::string_view text) {
    size_t pos = skipBlanks(text, 0);
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    if (pos == text.size())
        return std::nullopt;
    int64_t value = 0;
    for (; pos < text.size(); ++pos) {
        if (!isDigit(text[pos]))
            return std::nullopt;
        value = value * 10 + (text[pos] - '0');
        if (value > int64_t(INT32_MAX) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > INT32_MAX || value < INT32_MIN)
        return std::nullopt;
    return int32_t(value);
}

std::optional<double> parseDecimal(std::string_view text) {
    const size_t begin = skipBlanks(text, 0);
    size_t end = text.size();
    while (end > begin && text[end - 1] == ' ')
        --end;
    const std::string_view number = text.substr(begin, end - begin);

    // Check the form first: [sign] digits [. digits] [(e|E) [sign] digits],
    // with at least one digit in the mantissa.
    size_t pos = 0;
    bool negative = false;
    if (pos < number.size() && (number[pos] == '+' || number[pos] == '-')) {
        negative = number[pos] == '-';
        ++pos;
    }
    uint64_t mantissa = 0;
    int significant = 0;
    int fractionDigits = 0;
    int mantissaDigits = 0;
    bool exact = true;
    auto takeDigit = [&](char c) {
        if (significant < 19) {
            mantissa = mantissa * 10 + uint64_t(c - '0');
            if (mantissa != 0)
                ++significant;
        } else {
            exact = false;
        }
        ++mantissaDigits;
    };
    for (; pos < number.size() && isDigit(number[pos]); ++pos)
        takeDigit(number[pos]);
    if (pos < number.size() && number[pos] == '.') {
        for (++pos; pos < number.size() && isDigit(number[pos]); ++pos) {
            takeDigit(number[pos]);
            ++fractionDigits;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    bool hasExponent = false;
    if (pos < number.size() && (number[pos] == 'e' || number[pos] == 'E')) {
        hasExponent = true;
        ++pos;
        if (pos < number.size() && (number[pos] == '+' || number[pos] == '-'))
            ++pos;
        const size_t exponentStart = pos;
        while (pos < number.size() && isDigit(number[pos]))
            ++pos;
        if (pos == exponentStart)
            return std::nullopt;
    }
    if (pos != number.size())
        return std::nullopt;

    // The usual short forms ("23.4", "-5.2") are exact in one division.
    if (!hasExponent && exact && mantissa < (uint64_t(1) << 53) && fractionDigits <= 22) {
        const double value = double(mantissa) / kExactPowersOfTen[fractionDigits];
        return negative ? -value : value;
    }
    double value = 0;
    const char *first = number.data() + (number[0] == '+' ? 1 : 0);
    const auto [ptr, ec] = std::from_chars(first, number.data() + number.size(), value);
    if (ptr != number.data() + number.size())
        return std::nullopt;
    if (ec == std::errc::result_out_of_range)
        return std::nullopt;
    return value;
}
