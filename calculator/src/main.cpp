#include <QApplication>

#include "calculator/TTarifForm.h"
#include "desktop/Application.h"
#include "desktop/CommandLine.h"
#include "desktop/Prompter.h"

int main(int argc, char* argv[]) {
    const hovorix::desktop::ProgramInfo program{
        QStringLiteral("tarif"),
        QStringLiteral("Hovorix: měsíční poplatky všech tarifů ze souboru Tarif.ini v aktuální složce.")};
    if (const auto status = hovorix::desktop::answerWithoutDisplay(argc, argv, program)) return *status;

    QApplication application(argc, argv);
    hovorix::desktop::setUpApplication(application, QStringLiteral("Hovorix pro Windows"), program.name);

    hovorix::desktop::QtPrompter prompter;
    if (const auto status = hovorix::desktop::applyCommandLine(QCoreApplication::arguments(), program, prompter)) {
        return *status;
    }
    // Reads the tariff file; when there is none the program ends here,
    // before any window shows.
    hovorix::calculator::TTarifForm TarifForm(prompter);
    TarifForm.show();
    return QApplication::exec();
}
