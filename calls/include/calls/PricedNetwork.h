// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <cstddef>
#include <iterator>
#include <optional>

#include "calls/Prefixes.h"

namespace hovorix::calls {

// The three networks whose minutes the calculator prices.
enum class PricedNetwork { Jts, Paegas, Eurotel };
inline constexpr std::size_t PricedNetworkCount = 3;
// Every value once, to walk them; a missing or an extra one fails the build.
inline constexpr PricedNetwork AllPricedNetworks[] = {PricedNetwork::Jts, PricedNetwork::Paegas,
                                                      PricedNetwork::Eurotel};
static_assert(std::size(AllPricedNetworks) == PricedNetworkCount);

// The priced network a call to a network of the prefix table goes to;
// nullopt for the networks the calculator does not price (Oskar, free,
// shared-cost, premium and service numbers).
std::optional<PricedNetwork> pricedNetwork(Network network);

}  // namespace hovorix::calls
