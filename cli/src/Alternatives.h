// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <string>
#include <vector>

namespace hovorix::cli {

// The words a user may choose from, as a message names them: "a", "a or b",
// "a, b or c".
inline std::string alternatives(const std::vector<std::string>& words) {
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i > 0) text += i + 1 < words.size() ? ", " : " or ";
        text += words[i];
    }
    return text;
}

}  // namespace hovorix::cli
