// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "tariffs/Tarifs.h"

namespace hovorix::tariffs {

std::string_view zoneName(Zone zone) {
    constexpr auto Names = enumTable<Zone, std::string_view>({
        {Zone::JTS, "JTS"},
        {Zone::JTSMimo, "JTS-mimo"},
        {Zone::JTSNoc, "JTS-noc"},
        {Zone::PAEGAS, "PAEGAS"},
        {Zone::PAEGASMimo, "PAEGAS-mimo"},
        {Zone::EUROTEL, "EUROTEL"},
        {Zone::EUROTELMimo, "EUROTEL-mimo"},
    });
    return Names[indexOf(zone)];
}

std::string tariffLabel(const Tarifs& tariff) {
    std::string label;
    label.reserve(tariff.provider.size() + 1 + tariff.name.size());
    label += tariff.provider;
    label += '-';
    label += tariff.name;
    return label;
}

}  // namespace hovorix::tariffs
