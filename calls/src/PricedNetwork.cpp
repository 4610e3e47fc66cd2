// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "calls/PricedNetwork.h"

namespace hovorix::calls {

// A switch without a default: a network added to the prefix table without
// saying whether it is priced fails the build.
std::optional<PricedNetwork> pricedNetwork(Network network) {
    switch (network) {
    case Network::Jts: return PricedNetwork::Jts;
    case Network::Paegas: return PricedNetwork::Paegas;
    case Network::Eurotel: return PricedNetwork::Eurotel;
    case Network::Oskar:
    case Network::Zdarma:
    case Network::Sdilene:
    case Network::Premium:
    case Network::Sluzby: break;
    }
    return std::nullopt;
}

}  // namespace hovorix::calls
