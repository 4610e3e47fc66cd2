#include <QApplication>

#include "calculator/AboutBox.h"
#include "calculator/TarifForm.h"
#include "desktop/ErrorHandling.h"
#include "desktop/ProgramFont.h"
#include "desktop/Prompter.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The window is laid out in fixed pixels; one style everywhere keeps
    // every caption inside its control whatever the desktop's own style.
    QApplication::setStyle(QStringLiteral("Fusion"));
    hovorix::desktop::setApplicationTitle(QStringLiteral("Hovorix pro Windows"));
    QCoreApplication::setApplicationName(QStringLiteral("tarif"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.2.13"));
    QApplication::setFont(hovorix::desktop::programFont());
    QApplication::setWindowIcon(hovorix::calculator::telephonePicture(application.devicePixelRatio()));

    hovorix::desktop::QtPrompter prompter;
    // Reads the tariff file; when there is none the program ends here,
    // before any window shows.
    hovorix::calculator::TTarifForm TarifForm(prompter);
    TarifForm.show();
    return QApplication::exec();
}
