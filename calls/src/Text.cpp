// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "Text.h"

#include <cstring>

#include "tariffs/Cp1250.h"
#include "tariffs/MessageText.h"

namespace hovorix::calls::text {

namespace {

// The base letters of U+00C0 to U+017F, Latin-1 and Latin Extended-A, in
// lower case; "*" and "/" for the two signs among them.
constexpr std::string_view LatinBase =
    "aaaaaaaceeeeiiii"
    "dnooooo*ouuuuyts"
    "aaaaaaaceeeeiiii"
    "dnooooo/ouuuuyty"
    "aaaaaaccccccccdd"
    "ddeeeeeeeeeegggg"
    "gggghhhhiiiiiiii"
    "iiiijjkkklllllll"
    "lllnnnnnnnnnoooo"
    "oooorrrrrrssssss"
    "ssttttttuuuuuuuu"
    "uuuuwwyyyzzzzzzs";

// The next character of raw, as a code point; malformed UTF-8 gives U+FFFD.
char32_t next(std::string_view raw, std::size_t& i, Encoding encoding) {
    const auto b = static_cast<unsigned char>(raw[i++]);
    if (b < 0x80) return b;
    if (encoding == Encoding::Windows1250) return tariffs::cp1250::toUnicode(b);
    int more = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : -1;
    if (more < 0) return 0xFFFD;
    char32_t c = b & (0x3F >> more);
    for (; more > 0; --more) {
        if (i >= raw.size() || (static_cast<unsigned char>(raw[i]) & 0xC0) != 0x80) return 0xFFFD;
        c = (c << 6) | (static_cast<unsigned char>(raw[i++]) & 0x3F);
    }
    return c;
}

}  // namespace

std::size_t Utf8Validator::check(std::string_view block) {
    const auto* p = reinterpret_cast<const unsigned char*>(block.data());
    const std::size_t n = block.size();
    std::size_t i = 0;
    while (i < n) {
        if (needed_ > 0) {
            if (p[i] < low_ || p[i] > high_) return i;
            low_ = 0x80;
            high_ = 0xBF;
            --needed_;
            ++i;
            continue;
        }
        // Plain ASCII eight bytes at a time.
        while (i + 8 <= n) {
            std::uint64_t word;
            std::memcpy(&word, p + i, 8);
            if (word & 0x8080808080808080ULL) break;
            i += 8;
        }
        if (i == n) break;
        const unsigned char b = p[i];
        if (b < 0x80) {
            ++i;
            continue;
        }
        if (b >= 0xC2 && b <= 0xDF) {
            needed_ = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            needed_ = 2;
            if (b == 0xE0) low_ = 0xA0;   // no overlong forms
            if (b == 0xED) high_ = 0x9F;  // no surrogates
        } else if (b >= 0xF0 && b <= 0xF4) {
            needed_ = 3;
            if (b == 0xF0) low_ = 0x90;
            if (b == 0xF4) high_ = 0x8F;  // nothing above U+10FFFF
        } else {
            return i;
        }
        ++i;
    }
    return std::string_view::npos;
}

void Utf16Decoder::put(char32_t c) { tariffs::appendUtf8(out_, c); }

std::string_view Utf16Decoder::decode(std::string_view block) {
    out_.clear();
    out_.reserve(block.size() * 3 / 2 + 4);
    std::size_t i = 0;
    const auto byteAt = [&block](std::size_t at) {
        return static_cast<unsigned>(static_cast<unsigned char>(block[at]));
    };
    while (i < block.size()) {
        unsigned first = 0, second = 0;
        if (oddByte_ >= 0) {
            first = static_cast<unsigned>(oddByte_);
            second = byteAt(i++);
            oddByte_ = -1;
        } else if (i + 1 < block.size()) {
            first = byteAt(i);
            second = byteAt(i + 1);
            i += 2;
        } else {
            oddByte_ = static_cast<int>(byteAt(i++));
            break;
        }
        const auto unit = static_cast<char16_t>(bigEndian_ ? (first << 8) | second : (second << 8) | first);
        if (highSurrogate_ != 0) {
            const char16_t high = highSurrogate_;
            highSurrogate_ = 0;
            if (unit >= 0xDC00 && unit <= 0xDFFF) {
                put(0x10000 + ((char32_t{high} - 0xD800) << 10) + (char32_t{unit} - 0xDC00));
                continue;
            }
            out_ += '\xFF';
        }
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            highSurrogate_ = unit;
        } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
            out_ += '\xFF';
        } else {
            put(unit);
        }
    }
    return out_;
}

std::string_view Utf16Decoder::finish() {
    out_.clear();
    if (oddByte_ >= 0 || highSurrogate_ != 0) out_ += '\xFF';
    oddByte_ = -1;
    highSurrogate_ = 0;
    return out_;
}

std::string fold(std::string_view raw, Encoding encoding) {
    std::string out;
    out.reserve(raw.size());
    bool blank = false;
    for (std::size_t i = 0; i < raw.size();) {
        const char32_t c = next(raw, i, encoding);
        if (c == ' ' || c == '\t' || c == 0xA0 || c == '\r' || c == '\n') {
            blank = true;
            continue;
        }
        if (blank && !out.empty()) out += ' ';
        blank = false;
        if (c < 0x80) {
            out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c);
        } else if (c >= 0xC0 && c <= 0x17F) {
            out += LatinBase[c - 0xC0];
        } else {
            out += '?';
        }
    }
    return out;
}

std::string quoted(std::string_view raw, Encoding encoding, std::size_t maxCharacters) {
    std::string out;
    std::size_t count = 0;
    for (std::size_t i = 0; i < raw.size();) {
        if (count == maxCharacters) {
            out += "…";
            break;
        }
        const char32_t c = next(raw, i, encoding);
        tariffs::appendUtf8(out, c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0) ? U'?' : c);
        ++count;
    }
    return out;
}

}  // namespace hovorix::calls::text
