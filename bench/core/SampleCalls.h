// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

// A long call list in the style of an operator's itemised bill (Windows-1250,
// CR LF, ";"), the same bytes for every run: calls through a month to every
// kind of number, a few incoming calls and SMS among them.

#include <cstdint>
#include <cstdio>
#include <string>

namespace hovorix::bench {

inline std::string sampleCallList(std::size_t rows) {
    static const char* const Numbers[] = {
        "0602 345 678", "02/2421 5566",     "0603 112 233", "05/4121 3344", "0601 998 877",
        "0604 556 677", "602 123 456",      "221 000 111",  "737 111 222",  "+420 603 111 222",
        "0608 123 123", "+49 30 1234 5678", "0800 123 456", "0906 001 002",
    };
    std::string out =
        "Podrobn\xFD v\xFDpis hovor\xF9;;;;;\r\n"
        "Datum;\xC8"
        "as;Volan\xE9 \xE8\xEDslo;Slu\x9E"
        "ba;D\xE9lka;Cena (K\xE8)\r\n";
    out.reserve(rows * 64 + out.size());
    std::uint32_t state = 12345;
    const auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    };
    char line[128];
    for (std::size_t i = 0; i < rows; ++i) {
        const std::uint32_t r = next();
        const unsigned day = 1 + static_cast<unsigned>(i * 30 / (rows ? rows : 1));
        const unsigned second = r % 86400;
        const unsigned length = next() % 1800;
        const char* kind = r % 20 == 0   ? "P\xF8\xED"
                                           "choz\xED hovor"
                           : r % 20 == 1 ? "SMS"
                                         : "Odchoz\xED hovor";
        const int n = std::snprintf(line, sizeof line, "%02u.06.2001;%02u:%02u:%02u;%s;%s;%u:%02u:%02u;%u,%02u\r\n",
                                    day, second / 3600, second / 60 % 60, second % 60, Numbers[next() % 14], kind,
                                    length / 3600, length / 60 % 60, length % 60, length / 20, length % 100);
        out.append(line, static_cast<std::size_t>(n));
    }
    return out;
}

}  // namespace hovorix::bench
