#include "IntegerText.h"

namespace kestrow {

namespace {

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<uint32_t> ParseHexPattern(std::string_view digits) {
    if (digits.empty()) return std::nullopt;
    uint64_t value = 0;
    for (char c : digits) {
        const int d = HexDigitValue(c);
        if (d < 0) return std::nullopt;
        value = value * 16 + uint64_t(d);
        if (value > 0xFFFFFFFFu) return std::nullopt;  // leading zeros stay allowed
    }
    return uint32_t(value);
}

// The magnitude of a decimal number, at most 2^31 so that the negative limit still fits.
std::optional<uint64_t> ParseDecimalMagnitude(std::string_view digits) {
    if (digits.empty()) return std::nullopt;
    uint64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + uint64_t(c - '0');
        if (value > uint64_t(INT32_MAX) + 1) return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<int32_t> ParseInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }

    size_t hexPrefix = 0;
    if (text.starts_with("0x") || text.starts_with("0X")) hexPrefix = 2;
    else if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X')) hexPrefix = 1;

    if (hexPrefix > 0) {
        const std::optional<uint32_t> pattern = ParseHexPattern(text.substr(hexPrefix));
        if (!pattern) return std::nullopt;
        // Negation works on the 32-bit pattern, so -$80000000 stays the lowest integer.
        return int32_t(negative ? 0u - *pattern : *pattern);
    }

    const std::optional<uint64_t> magnitude = ParseDecimalMagnitude(text);
    if (!magnitude) return std::nullopt;
    if (negative) return int32_t(-int64_t(*magnitude));
    if (*magnitude > uint64_t(INT32_MAX)) return std::nullopt;
    return int32_t(*magnitude);
}

}  // namespace kestrow
