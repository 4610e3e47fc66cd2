// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <gtest/gtest.h>

#include <QApplication>

#include "desktop/Application.h"

// The window tests need a QApplication set up as the program sets it up;
// without a display they run offscreen.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    hovorix::desktop::setUpApplication(application, QStringLiteral("Hovorix pro Windows"), QStringLiteral("tarif"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
