// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

#include "desktop/Application.h"

int main(int argc, char* argv[]) {
    // The windows never need a screen here, not even while the tests are listed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // File dialogs keep their history in the user's settings; keep ours apart.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    // As the program does (the font the fixed layouts are made for, the icon),
    // under a short title for the messages.
    hovorix::desktop::setUpApplication(app, QStringLiteral("Cenikar"), QStringLiteral("Cenikar"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
