// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

// A long call list in the style of an operator's itemised bill (Windows-1250,
// CR LF, ";"), the same bytes for every run: calls through three months to
// every kind of number, a few incoming calls and SMS among them, a subtotal
// after each day, a page break with its heading and the header again every
// 5,000 calls, and the totals at the end.

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
    const std::string header =
        "Datum;\xC8"
        "as;Volan\xE9 \xE8\xEDslo;Slu\x9E"
        "ba;D\xE9lka;Cena (K\xE8)\r\n";
    std::string out = "Podrobn\xFD v\xFDpis hovor\xF9;;;;;\r\n" + header;
    out.reserve(rows * 66 + out.size());
    std::uint32_t state = 12345;
    const auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    };
    // June to August 2001.
    constexpr unsigned Days = 92;
    const auto date = [](unsigned day, char* text) {
        const unsigned month = day < 30 ? 6 : day < 61 ? 7 : 8;
        const unsigned dayOfMonth = day < 30 ? day + 1 : day < 61 ? day - 29 : day - 60;
        std::snprintf(text, 32, "%02u.%02u.2001", dayOfMonth, month);
    };
    char line[160];
    char today[32];
    unsigned lastDay = 0;
    std::uint64_t daySeconds = 0, allSeconds = 0;
    const auto subtotal = [&](const char* label, std::uint64_t seconds) {
        const int n =
            std::snprintf(line, sizeof line, "%s;;;;%llu:%02u:%02u;%llu,00\r\n", label,
                          static_cast<unsigned long long>(seconds / 3600), static_cast<unsigned>(seconds / 60 % 60),
                          static_cast<unsigned>(seconds % 60), static_cast<unsigned long long>(seconds / 20));
        out.append(line, static_cast<std::size_t>(n));
    };
    for (std::size_t i = 0; i < rows; ++i) {
        const std::uint32_t r = next();
        const auto day = static_cast<unsigned>(i * Days / (rows ? rows : 1));
        if (day != lastDay) {
            char label[48];
            date(lastDay, today);
            std::snprintf(label, sizeof label, "Celkem za %s", today);
            subtotal(label, daySeconds);
            daySeconds = 0;
            lastDay = day;
        }
        if (i > 0 && i % 5000 == 0) {
            const int n = std::snprintf(line, sizeof line, "Strana %zu;;;;;\r\n", i / 5000 + 1);
            out.append(line, static_cast<std::size_t>(n));
            out += header;
        }
        date(day, today);
        const unsigned second = r % 86400;
        const unsigned length = next() % 1800;
        const char* kind = r % 20 == 0   ? "P\xF8\xED"
                                           "choz\xED hovor"
                           : r % 20 == 1 ? "SMS"
                                         : "Odchoz\xED hovor";
        const int n = std::snprintf(line, sizeof line, "%s;%02u:%02u:%02u;%s;%s;%u:%02u:%02u;%u,%02u\r\n", today,
                                    second / 3600, second / 60 % 60, second % 60, Numbers[next() % 14], kind,
                                    length / 3600, length / 60 % 60, length % 60, length / 20, length % 100);
        out.append(line, static_cast<std::size_t>(n));
        daySeconds += length;
        allSeconds += length;
    }
    date(lastDay, today);
    char label[48];
    std::snprintf(label, sizeof label, "Celkem za %s", today);
    subtotal(label, daySeconds);
    subtotal("Celkem", allSeconds);
    return out;
}

}  // namespace hovorix::bench
