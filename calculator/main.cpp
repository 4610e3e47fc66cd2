#include <QApplication>

#include "calculator/AboutBox.h"
#include "calculator/TarifForm.h"
#include "desktop/Application.h"
#include "desktop/Prompter.h"
#include "desktop/UserData.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    hovorix::desktop::setUpApplication(application, QStringLiteral("Hovorix pro Windows"), QStringLiteral("tarif"));
    QApplication::setWindowIcon(hovorix::calculator::telephonePicture(application.devicePixelRatio()));

    hovorix::desktop::QtPrompter prompter;
    if (const auto status = hovorix::desktop::applyCommandLine(
            QCoreApplication::arguments(),
            QStringLiteral("Hovorix: měsíční poplatky všech tarifů ze souboru Tarif.ini v aktuální složce."),
            prompter)) {
        return *status;
    }
    // Reads the tariff file; when there is none the program ends here,
    // before any window shows.
    hovorix::calculator::TTarifForm TarifForm(prompter);
    TarifForm.show();
    return QApplication::exec();
}
