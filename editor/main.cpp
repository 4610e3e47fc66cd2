#include <QApplication>

#include "TCenikarForm.h"
#include "desktop/Application.h"
#include "desktop/Prompter.h"
#include "desktop/UserData.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    hovorix::desktop::setUpApplication(app, QStringLiteral("Cenikar - editor ceníku projektu Hovorix"),
                                       QStringLiteral("Cenikar"));

    hovorix::desktop::QtPrompter prompter;
    if (const auto status = hovorix::desktop::applyCommandLine(
            QCoreApplication::arguments(),
            QStringLiteral("Cenikar, editor ceníku projektu Hovorix: upravuje soubor tarif.ini v aktuální složce."), prompter)) {
        return *status;
    }
    hovorix::editor::TCenikarForm form(prompter);
    form.createTariffDialog();
    form.show();
    return QApplication::exec();
}
