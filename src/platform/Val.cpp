#include "platform/Val.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

} // namespace

double Val(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;

    // Collect the numeric prefix as plain ASCII; from_chars then does the exact conversion.
    std::string number;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            number += '-';
        ++i;
    }
    bool anyDigit = false;
    while (i < n && isDigit(text[i])) {
        number += char(text[i].unicode());
        anyDigit = true;
        ++i;
    }
    if (i < n && text[i] == u'.') {
        // from_chars wants a digit before the point.
        std::string fraction = anyDigit ? "." : "0.";
        qsizetype j = i + 1;
        while (j < n && isDigit(text[j])) {
            fraction += char(text[j].unicode());
            anyDigit = true;
            ++j;
        }
        number += fraction;
        i = j;
    }
    if (!anyDigit)
        return 0.0;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (j < n && (text[j] == u'+' || text[j] == u'-')) {
            exponent += char(text[j].unicode());
            ++j;
        }
        if (j < n && isDigit(text[j])) {
            while (j < n && isDigit(text[j])) {
                exponent += char(text[j].unicode());
                ++j;
            }
            number += exponent;
        }
    }

    double value = 0.0;
    const char* first = number.data();
    const char* last = first + number.size();
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Either an overflow or an underflow: tell them apart by the exponent's sign.
        const bool tiny = number.find("e-") != std::string::npos;
        const bool negative = number.front() == '-';
        if (tiny)
            return negative ? -0.0 : 0.0;
        return negative ? -std::numeric_limits<double>::infinity()
                        : std::numeric_limits<double>::infinity();
    }
    return value;
}

std::int64_t toClampedInt(double value, std::int64_t lo, std::int64_t hi) {
    if (std::isnan(value))
        return lo > 0 ? lo : (hi < 0 ? hi : 0);
    const double t = std::trunc(value);
    if (t <= static_cast<double>(lo))
        return lo;
    if (t >= static_cast<double>(hi))
        return hi;
    return static_cast<std::int64_t>(t);
}
