#include <QApplication>

#include "calculator/TarifForm.h"
#include "desktop/Application.h"
#include "desktop/Prompter.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    hovorix::desktop::setUpApplication(application, QStringLiteral("Hovorix pro Windows"), QStringLiteral("tarif"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.2.13"));
    hovorix::desktop::setDesktopId(hovorix::calculator::DesktopId);

    hovorix::desktop::QtPrompter prompter;
    // Reads the tariff file; when there is none the program ends here,
    // before any window shows.
    hovorix::calculator::TTarifForm TarifForm(prompter);
    TarifForm.show();
    return QApplication::exec();
}
