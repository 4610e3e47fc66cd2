// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
// Arbitrary bytes as a tariff file, under both decimal separators: the reader
// must never crash, and what it keeps must obey the file's limits.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "tariffs/Errors.h"
#include "tariffs/MessageText.h"
#include "tariffs/TariffFile.h"
#include "tariffs/TariffReader.h"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

void readUnder(std::string_view content, char separator) {
    hovorix::tariffs::TariffList list(hovorix::tariffs::CalculatorDefaults);
    std::string version(hovorix::tariffs::CalculatorStartVersion);
    std::size_t providerLines = 0;
    std::size_t lastLine = 0;
    hovorix::tariffs::ReaderEvents events;
    events.onLine = [&](std::size_t line, std::string_view, hovorix::tariffs::LineRule rule, bool) {
        check(line == lastLine + 1);
        lastLine = line;
        if (rule == hovorix::tariffs::LineRule::Provider) ++providerLines;
    };
    try {
        hovorix::tariffs::readTariffs(content, list, version, separator, events);
    } catch (const hovorix::tariffs::TariffError& error) {
        check(error.line() == lastLine + 1);
        // Whatever bytes the number quotes, the message is text to show.
        check(hovorix::tariffs::isUtf8(error.what()));
    }
    check(list.count() == providerLines);
    check(version.size() <= hovorix::tariffs::MaxTextLength || version == hovorix::tariffs::CalculatorStartVersion);
    list.walk([](const hovorix::tariffs::Tarifs& t) {
        check(t.provider.size() <= hovorix::tariffs::MaxTextLength);
        check(t.name.size() <= hovorix::tariffs::MaxTextLength);
        check(t.provider.find('\r') == std::string::npos && t.name.find('\x1a') == std::string::npos);
    });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    readUnder(content, ',');
    readUnder(content, '.');
    return 0;
}
