// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "tariffs/TariffList.h"

#include <utility>

namespace hovorix::tariffs {

const DefaultTexts CalculatorDefaults{"NEDEFINOVAN", "Neznamy"};
const DefaultTexts EditorDefaults{"NEDEFINOV\xC1N", "Nezn\xE1m\xFD"};

TariffList::TariffList(DefaultTexts defaults) : defaults_(std::move(defaults)) {}

Tarifs& TariffList::append() {
    Tarifs& tariff = tariffs_.emplace_back();
    tariff.provider = defaults_.provider;
    tariff.name = defaults_.name;
    return tariff;
}

void TariffList::removeAt(std::size_t position) {
    tariffs_.erase(tariffs_.begin() + static_cast<std::ptrdiff_t>(checked(position)));
}

void TariffList::swapWithNext(std::size_t position) {
    checked(position + 1);
    std::swap(tariffs_[position], tariffs_[position + 1]);
}

void TariffList::dropLast() {
    if (!tariffs_.empty()) tariffs_.pop_back();
}

std::size_t TariffList::checked(std::size_t position) const {
    if (position >= tariffs_.size()) throw std::out_of_range("tariff position outside the list");
    return position;
}

}  // namespace hovorix::tariffs
