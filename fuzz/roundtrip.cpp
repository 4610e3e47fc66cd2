// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
// Read, write, read again: the second list is the first as the file keeps it
// (numbers to 15 significant digits), and writing it again gives the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "tariffs/Errors.h"
#include "tariffs/NumberText.h"
#include "tariffs/TariffReader.h"
#include "tariffs/TariffWriter.h"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

double kept(double value, char separator) {
    return hovorix::tariffs::parseNumber(hovorix::tariffs::formatNumber(value, separator), separator);
}

hovorix::tariffs::TariffList keptOf(hovorix::tariffs::TariffList list, char separator) {
    for (std::size_t i = 0; i < list.count(); ++i) {
        hovorix::tariffs::Tarifs& t = list.seek(i);
        for (double* field : {&t.telephoneFee, &t.faxFee, &t.dataFee, &t.firstFreeMinutes, &t.minimumCharge}) {
            *field = kept(*field, separator);
        }
        for (hovorix::tariffs::ZoneRate& zone : t.zones)
            zone = {kept(zone.rate, separator), kept(zone.freeMinutes, separator)};
    }
    return list;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const char separator = data[0] & 1 ? ',' : '.';
    const std::string_view content(reinterpret_cast<const char*>(data) + 1, size - 1);

    hovorix::tariffs::TariffList first(hovorix::tariffs::EditorDefaults);
    std::string version = "1.0";
    try {
        hovorix::tariffs::readTariffs(content, first, version, separator);
    } catch (const hovorix::tariffs::TariffError&) {
        // What was read before the bad number is what the editor would save.
    }
    const hovorix::tariffs::WriteStamp stamp{"1.1.2001", "12:00:00"};
    const std::string written = hovorix::tariffs::writeTariffs(first, version, separator, stamp);

    hovorix::tariffs::TariffList second(hovorix::tariffs::EditorDefaults);
    std::string secondVersion = "1.0";
    hovorix::tariffs::readTariffs(written, second, secondVersion, separator);  // must not throw
    check(second == keptOf(first, separator));
    check(secondVersion == version);
    check(hovorix::tariffs::writeTariffs(second, secondVersion, separator, stamp) == written);
    return 0;
}
