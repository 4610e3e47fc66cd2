// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <QApplication>

#include "calculator/TTarifForm.h"
#include "desktop/Application.h"
#include "desktop/CommandLine.h"
#include "desktop/Prompter.h"
#include "desktop/RegionalSettings.h"

int main(int argc, char* argv[]) {
    const hovorix::desktop::ProgramInfo program{
        QStringLiteral("tarif"),
        QStringLiteral("Hovorix: měsíční poplatky všech tarifů ze souboru Tarif.ini v aktuální složce."),
        /*takesCallList=*/true};
    if (const auto status = hovorix::desktop::answerWithoutDisplay(argc, argv, program)) return *status;

    QApplication application(argc, argv);
    hovorix::desktop::setUpApplication(application, QStringLiteral("Hovorix pro Windows"), program.name);

    hovorix::desktop::QtPrompter prompter;
    const auto line = hovorix::desktop::applyCommandLine(QCoreApplication::arguments(), program, prompter);
    if (line.exitStatus) return *line.exitStatus;
    // Reads the tariff file; when there is none the program ends here,
    // before any window shows.
    hovorix::calculator::TTarifForm TarifForm(prompter, ".", hovorix::desktop::RegionalSettings(), nullptr,
                                              line.callList);
    TarifForm.show();
    return QApplication::exec();
}
