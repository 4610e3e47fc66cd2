// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
// Every zone is reached from a call list: the shipped prefix file names a
// number of each priced network, and a call to it at some time falls into
// each of the network's zones. A zone added without its network's prefixes
// or its time bands fails here.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "calls/CallList.h"
#include "calls/PricedNetwork.h"

using namespace hovorix;
using namespace hovorix::calls;

namespace {

// A number of each priced network the shipped prefix file names, found from
// the file's own lines: a prefix made nine digits long.
std::map<PricedNetwork, std::string> numberOfEachNetwork() {
    std::ifstream file(HOVORIX_DATA "/predvolby.txt", std::ios::binary);
    std::map<PricedNetwork, std::string> numbers;
    for (std::string line; std::getline(file, line);) {
        std::istringstream words(line);
        std::string prefix, name;
        if (!(words >> prefix >> name) || prefix.starts_with('#')) continue;
        const std::optional<Network> network = networkNamed(name);
        const std::optional<PricedNetwork> priced = network ? pricedNetwork(*network) : std::nullopt;
        if (!priced || numbers.contains(*priced)) continue;
        const std::string number = prefix + std::string(prefix.size() < 9 ? 9 - prefix.size() : 0, '5');
        const auto destination = classifyNumber(number, defaultPrefixTable());
        if (std::get<Destination>(destination) == Destination{Destination::Kind::Network, *network}) {
            numbers[*priced] = number;
        }
    }
    return numbers;
}

}  // namespace

TEST(EveryZone, IsReachedFromACallList) {
    const std::map<PricedNetwork, std::string> numbers = numberOfEachNetwork();
    // A working day's peak, evening and night, and a Saturday's day.
    const char* const times[] = {"1.10.2003;10:00:00", "1.10.2003;20:00:00", "1.10.2003;23:00:00",
                                 "4.10.2003;10:00:00"};
    std::string list = "Datum;Čas;Volané číslo;Délka\n";
    for (const PricedNetwork network : AllPricedNetworks) {
        ASSERT_TRUE(numbers.contains(network)) << "no prefix of network " << tariffs::indexOf(network);
        for (const char* time : times) list += std::string(time) + ";" + numbers.at(network) + ";60\n";
    }
    const CallSummary summary = summarise(parseCallList(list, defaultPrefixTable()), {});
    for (const tariffs::Zone zone : tariffs::AllZones) {
        EXPECT_GT(summary.zone(zone).calls, 0u) << tariffs::zoneName(zone);
    }
}
