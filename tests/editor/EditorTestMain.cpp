#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

#include "desktop/ErrorHandling.h"
#include "desktop/ProgramFont.h"

int main(int argc, char* argv[]) {
    // The windows never need a screen here, not even while the tests are listed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // File dialogs keep their history in the user's settings; keep ours apart.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    // As the program does: the font the fixed layouts are made for.
    QApplication::setFont(hovorix::desktop::programFont());
    hovorix::desktop::setApplicationTitle(QStringLiteral("Cenikar"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
