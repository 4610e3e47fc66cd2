// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace hovorix::desktop {

// Tariff texts are Windows-1250 bytes; they become QString only where a
// widget shows them and go back where a widget hands them over. The code page
// itself is the core's (tariffs/Cp1250.h): all 256 byte values round-trip.
QString fromCp1250(std::string_view bytes);

// Characters the code page cannot hold become "?".
std::string toCp1250(const QString& text);

bool isCp1250(QChar c);
bool isCp1250(const QString& text);

}  // namespace hovorix::desktop
