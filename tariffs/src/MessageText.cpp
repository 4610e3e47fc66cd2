// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "tariffs/MessageText.h"

#include "tariffs/Cp1250.h"

namespace hovorix::tariffs {

namespace {

constexpr char32_t Replacement = 0xFFFD;
constexpr char32_t NulSymbol = 0x2400;

// The length of the well-formed UTF-8 sequence at the start of bytes, or 0:
// no overlong forms, no surrogates, nothing above U+10FFFF.
std::size_t sequenceLength(std::string_view bytes) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (bytes.size() < length) return 0;
    if (byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    }
    return length;
}

}  // namespace

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool isUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = sequenceLength(bytes.substr(i));
        if (length == 0) return false;
        i += length;
    }
    return true;
}

std::string cp1250InMessage(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 2);
    for (const char b : bytes) {
        const auto byte = static_cast<unsigned char>(b);
        if (byte == 0) {
            appendUtf8(text, NulSymbol);
        } else if (!cp1250::defines(byte)) {
            appendUtf8(text, Replacement);
        } else {
            appendUtf8(text, cp1250::toUnicode(byte));
        }
    }
    return text;
}

std::string anyTextInMessage(std::string_view bytes) {
    if (!isUtf8(bytes)) return cp1250InMessage(bytes);
    std::string text;
    text.reserve(bytes.size());
    for (const char b : bytes) {
        if (b == '\0') {
            appendUtf8(text, NulSymbol);
        } else {
            text += b;
        }
    }
    return text;
}

}  // namespace hovorix::tariffs
