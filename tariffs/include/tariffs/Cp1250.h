// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <optional>

namespace hovorix::tariffs::cp1250 {

// Windows-1250, the code page of tariff files and of the call lists that
// Czech spreadsheets save. All 256 byte values stand for a character: the
// five bytes the code page leaves undefined stand for the control characters
// of the same number, as Windows reads them.
char16_t toUnicode(unsigned char byte);

// The byte that stands for a character; nullopt when the code page has none.
std::optional<char> fromUnicode(char32_t character);

// False for the five bytes the code page leaves undefined (0x81, 0x83, 0x88,
// 0x90, 0x98): a text that holds one was not written in this code page.
bool defines(unsigned char byte);

}  // namespace hovorix::tariffs::cp1250
