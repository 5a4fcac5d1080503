#include "SearchTimeText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int kSignificant = 7;

void DropTrailingZeros(std::string& digits) {
    if (digits.find('.') == std::string::npos) return;
    while (digits.back() == '0') digits.pop_back();
    if (digits.back() == '.') digits.pop_back();
}

std::string GeneralFormat(double value) {
    if (value == 0 || !std::isfinite(value)) return value == 0 ? "0" : std::to_string(value);
    // Round to 7 significant digits first: the rounded value decides the notation.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", kSignificant - 1, value);
    std::string text = buffer;
    const size_t e = text.find('e');
    const int exponent = std::atoi(text.c_str() + e + 1);
    if (exponent < -5 || exponent >= kSignificant) {
        std::string mantissa = text.substr(0, e);
        DropTrailingZeros(mantissa);
        std::snprintf(buffer, sizeof buffer, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        return mantissa + buffer;
    }
    std::snprintf(buffer, sizeof buffer, "%.*f", kSignificant - 1 - exponent, value);
    text = buffer;
    DropTrailingZeros(text);
    return text;
}

}  // namespace

QString SearchTimeText(double ms, const QString& decimalPoint) {
    QString text = QString::fromStdString(GeneralFormat(ms));
    text.replace(QLatin1Char('.'), decimalPoint);
    return text + QStringLiteral(" ms");
}
