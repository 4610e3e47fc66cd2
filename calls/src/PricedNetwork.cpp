// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "calls/PricedNetwork.h"

namespace hovorix::calls {

std::optional<PricedNetwork> pricedNetwork(Network network) {
    constexpr auto Priced = tariffs::enumTable<Network, std::optional<PricedNetwork>>({
        {Network::Jts, PricedNetwork::Jts},
        {Network::Paegas, PricedNetwork::Paegas},
        {Network::Eurotel, PricedNetwork::Eurotel},
        {Network::Oskar, std::nullopt},
        {Network::Zdarma, std::nullopt},
        {Network::Sdilene, std::nullopt},
        {Network::Premium, std::nullopt},
        {Network::Sluzby, std::nullopt},
    });
    return Priced[tariffs::indexOf(network)];
}

}  // namespace hovorix::calls
