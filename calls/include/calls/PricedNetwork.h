// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <optional>

#include "calls/Prefixes.h"
#include "tariffs/Tarifs.h"

namespace hovorix::calls {

// The networks whose minutes the calculator prices: those of the tariffs.
using tariffs::AllPricedNetworks;
using tariffs::PricedNetwork;
using tariffs::PricedNetworkCount;

// The priced network a call to a network of the prefix table goes to;
// nullopt for the networks the calculator does not price (Oskar, free,
// shared-cost, premium and service numbers).
std::optional<PricedNetwork> pricedNetwork(Network network);

}  // namespace hovorix::calls
