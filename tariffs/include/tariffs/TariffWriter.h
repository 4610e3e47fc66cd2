// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <string>
#include <string_view>

#include "tariffs/TariffList.h"

namespace hovorix::tariffs {

// The texts of the file's header line, in the user's regional formats.
struct WriteStamp {
    std::string date;  // short date format
    std::string time;  // long time format
};

// The whole tariff file, as the editor saves it: the "Generováno" header line,
// the notice comment, the "verze " line, an empty line, one block per tariff
// and the closing "." line, every line ended by CR LF, texts as stored
// (Windows-1250), numbers under the given decimal separator.
std::string writeTariffs(const TariffList& list, std::string_view version, char decimalSeparator,
                         const WriteStamp& stamp);

}  // namespace hovorix::tariffs
