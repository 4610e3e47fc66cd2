// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <gtest/gtest.h>

#include "desktop/testing/ScriptedPrompter.h"

// Compiled into every GUI test program: a scripted prompter that ends off its
// script (a message box, question or dialog the test did not script, or an
// answer the program never asked for) fails the test it belongs to.
namespace {

const bool installed = [] {
    hovorix::desktop::ScriptedPrompter::setProblemReporter([](const QString& problems) {
        ADD_FAILURE() << "the prompts went off the script: " << problems.toStdString();
    });
    return true;
}();

}  // namespace
