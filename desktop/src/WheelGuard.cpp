// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "desktop/WheelGuard.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>

namespace hovorix::desktop {

namespace {

// The input control a widget belongs to: itself, or the combo or spin box
// whose editor it is.
QWidget* inputControl(QObject* object) {
    for (auto* widget = qobject_cast<QWidget*>(object); widget && !widget->isWindow();
         widget = widget->parentWidget()) {
        if (qobject_cast<QComboBox*>(widget) || qobject_cast<QAbstractSpinBox*>(widget)) return widget;
    }
    return nullptr;
}

class WheelGuard : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Polish:
            // Qt gives these controls the focus on a wheel turn, just before
            // they change their value; only a click or the keyboard may.
            if (QWidget* control = inputControl(watched);
                control == watched && control->focusPolicy() == Qt::WheelFocus) {
                control->setFocusPolicy(Qt::StrongFocus);
            }
            break;
        case QEvent::Wheel:
            if (QWidget* control = inputControl(watched); control && !control->hasFocus()) {
                event->accept();  // taken, so it goes no further up
                return true;
            }
            break;
        default: break;
        }
        return false;
    }
};

}  // namespace

void guardInputsFromStrayWheel() {
    static const QString name = QStringLiteral("hovorix-wheel-guard");
    QCoreApplication* application = QCoreApplication::instance();
    if (!application || application->findChild<QObject*>(name, Qt::FindDirectChildrenOnly)) return;
    auto* guard = new WheelGuard(application);
    guard->setObjectName(name);
    application->installEventFilter(guard);
}

}  // namespace hovorix::desktop
