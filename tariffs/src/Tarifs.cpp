// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "tariffs/Tarifs.h"

namespace hovorix::tariffs {

std::string_view zoneName(Zone zone) {
    switch (zone) {
    case Zone::JTS: return "JTS";
    case Zone::JTSMimo: return "JTS-mimo";
    case Zone::JTSNoc: return "JTS-noc";
    case Zone::PAEGAS: return "PAEGAS";
    case Zone::PAEGASMimo: return "PAEGAS-mimo";
    case Zone::EUROTEL: return "EUROTEL";
    case Zone::EUROTELMimo: return "EUROTEL-mimo";
    }
    return {};
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
