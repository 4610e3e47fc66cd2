// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

// Text of a call list in its own encoding: checking UTF-8, folding names for
// comparison, and quoting a value in a message.

#include <cstddef>
#include <string>
#include <string_view>

#include "calls/CallList.h"

namespace hovorix::calls::text {

// Checks UTF-8 block by block; a sequence may run across blocks.
class Utf8Validator {
public:
    // The offset of the first byte that breaks UTF-8, or npos.
    std::size_t check(std::string_view block);
    // False while a sequence is begun and not ended (at the end of a file: broken).
    bool complete() const { return needed_ == 0; }

private:
    int needed_ = 0;
    unsigned char low_ = 0x80;
    unsigned char high_ = 0xBF;
};

// UTF-16 (Excel's "Unicode text") as UTF-8, block by block; a character
// may run across blocks. What is not UTF-16 (a lone surrogate, an odd byte
// at the end) becomes the byte 0xFF, which no UTF-8 holds, so that the
// check of the text finds it on its line.
class Utf16Decoder {
public:
    explicit Utf16Decoder(bool bigEndian) : bigEndian_(bigEndian) {}
    // The block's text; valid until the next call.
    std::string_view decode(std::string_view block);
    // What is left at the end of the file: empty, or 0xFF.
    std::string_view finish();

private:
    void put(char32_t c);

    bool bigEndian_;
    std::string out_;
    int oddByte_ = -1;            // the first byte of a unit split across blocks
    char16_t highSurrogate_ = 0;  // waiting for its low half
};

// Lower case without accents, blanks trimmed and runs of them made one
// space: "  Volané  ČÍSLO " -> "volane cislo". Characters outside the Latin
// letters become "?".
std::string fold(std::string_view raw, Encoding encoding);

// A value for a message: UTF-8, control characters shown as "?", cut after
// maxCharacters with "…".
std::string quoted(std::string_view raw, Encoding encoding, std::size_t maxCharacters = 40);

}  // namespace hovorix::calls::text
