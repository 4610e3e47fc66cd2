// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
// make_call_list PATH [ROWS]: writes a call list of ROWS calls (default
// 1,000,000) in the style of an operator's itemised bill.
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "SampleCalls.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: make_call_list PATH [ROWS]\n";
        return 2;
    }
    const std::size_t rows = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 1000000;
    std::ofstream(argv[1], std::ios::binary) << hovorix::bench::sampleCallList(rows);
    return 0;
}
