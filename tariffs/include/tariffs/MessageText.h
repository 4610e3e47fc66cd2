// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <string>
#include <string_view>

namespace hovorix::tariffs {

// The text of every exception of the programs is UTF-8, whatever module
// raises it, so the front ends show any of them the same way. What a message
// quotes from elsewhere is converted where the message is built, with these.
// Both turn a NUL byte into U+2400 (the symbol for NUL), so the message can
// be shown and what() does not end inside it.

// Bytes of a Windows-1250 text, as tariff files hold them. A byte the code
// page leaves undefined becomes U+FFFD.
std::string cp1250InMessage(std::string_view bytes);

// Bytes whose encoding nobody declared: a file name, a word of a prefix
// file, the system's reason for a failure. Kept as they are when they are
// UTF-8, else read as Windows-1250, the other encoding Czech files come in.
std::string anyTextInMessage(std::string_view bytes);

// Appends one character as UTF-8.
void appendUtf8(std::string& out, char32_t c);

// Well-formed UTF-8: no stray or missing continuation byte, no overlong
// form, no surrogate, nothing above U+10FFFF.
bool isUtf8(std::string_view bytes);

}  // namespace hovorix::tariffs
