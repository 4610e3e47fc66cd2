// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <cstddef>
#include <cstdio>
#include <exception>
#include <functional>
#include <string>

namespace hovorix::cli {

// Reports an error about a file on the stream, one line a terminal can
// show: "FILE:LINE: message", or "FILE: message" when the error is the
// file's as a whole (line 0). The message is the one the windowed programs
// show for the same error.
void reportError(std::FILE* stream, const std::string& file, std::size_t line, const std::exception& error);

// Runs the program. An error that nothing closer handled ends it with
// "tarif-cli: message" on the stream and exit status 1, never with an abort.
int reportingEveryError(std::FILE* stream, const std::function<int()>& program);

}  // namespace hovorix::cli
