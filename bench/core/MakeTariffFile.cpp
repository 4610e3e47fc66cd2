// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
// make_tariff_file PATH [COUNT]: writes COUNT tariffs (default 100,000) in the
// editor's format with a decimal comma.
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "SampleTariffs.h"
#include "tariffs/TariffWriter.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: make_tariff_file PATH [COUNT]\n";
        return 2;
    }
    const std::size_t count = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 100000;
    const auto list = hovorix::bench::sampleTariffs(count);
    std::ofstream(argv[1], std::ios::binary)
        << hovorix::tariffs::writeTariffs(list, "2000.11", ',', {"08.12.26", "10:00:00"});
    return 0;
}
