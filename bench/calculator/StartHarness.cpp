// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
// calculator_start [--bare|--text]: in the current folder, starts the
// calculator as its program does, or with --bare a plain window of the
// calculator's size, or with --text such a window showing one line in the
// program's font (which pays for starting the font system, as any window with
// text does); shows it and quits the first time the event loop is idle once
// the window has been painted.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <cstring>
#include <memory>

#include "calculator/TTarifForm.h"
#include "desktop/Application.h"
#include "desktop/ProgramFont.h"
#include "desktop/Prompter.h"

namespace {

class PaintWatch : public QObject {
public:
    explicit PaintWatch(bool& painted) : painted_(painted) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted_ = true;
        return false;
    }

private:
    bool& painted_;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const bool bare = argc > 1 && std::strcmp(argv[1], "--bare") == 0;
    const bool text = argc > 1 && std::strcmp(argv[1], "--text") == 0;
    hovorix::desktop::QtPrompter prompter;
    std::unique_ptr<QWidget> window;
    if (bare || text) {
        window = std::make_unique<QWidget>();
        window->resize(404, 387);
        if (text) {
            window->setFont(hovorix::desktop::programFont());
            (new QLabel(QStringLiteral("Hovorix pro Windows"), window.get()))->move(8, 8);
        }
    } else {
        hovorix::desktop::setUpApplication(application, QStringLiteral("Hovorix pro Windows"), QStringLiteral("tarif"));
        window = std::make_unique<hovorix::calculator::TTarifForm>(prompter);
    }
    bool painted = false;
    PaintWatch watch(painted);
    window->installEventFilter(&watch);
    window->show();
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, &application,
                     [&painted] {
                         if (painted) QCoreApplication::quit();
                     });
    // A window that never paints is a failed start, not an endless one.
    QTimer::singleShot(10000, &application, [] { QCoreApplication::exit(1); });
    return QApplication::exec();
}
