#include <QApplication>

#include "TCenikarForm.h"
#include "desktop/Application.h"
#include "desktop/Prompter.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    hovorix::desktop::setUpApplication(app, QStringLiteral("Cenikar - editor ceníku projektu Hovorix"),
                                       QStringLiteral("Cenikar"));
    hovorix::desktop::setDesktopId(hovorix::editor::DesktopId);

    hovorix::desktop::QtPrompter prompter;
    hovorix::editor::TCenikarForm form(prompter);
    form.createTariffDialog();
    form.show();
    return QApplication::exec();
}
