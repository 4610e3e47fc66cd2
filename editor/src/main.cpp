// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <QApplication>

#include "desktop/Application.h"
#include "desktop/CommandLine.h"
#include "desktop/Prompter.h"
#include "editor/TCenikarForm.h"

int main(int argc, char* argv[]) {
    const hovorix::desktop::ProgramInfo program{
        QStringLiteral("Cenikar"),
        QStringLiteral("Cenikar, editor ceníku projektu Hovorix: upravuje soubor tarif.ini v aktuální složce.")};
    if (const auto status = hovorix::desktop::answerWithoutDisplay(argc, argv, program)) return *status;

    QApplication app(argc, argv);
    hovorix::desktop::setUpApplication(app, QStringLiteral("Cenikar - editor ceníku projektu Hovorix"), program.name);

    hovorix::desktop::QtPrompter prompter;
    const auto line = hovorix::desktop::applyCommandLine(QCoreApplication::arguments(), program, prompter);
    if (line.exitStatus) return *line.exitStatus;
    hovorix::editor::TCenikarForm form(prompter);
    form.createTariffDialog();
    form.show();
    return QApplication::exec();
}
