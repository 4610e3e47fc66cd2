// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "desktop/AccessibleFocus.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPersistentModelIndex>
#include <QPointer>

namespace hovorix::desktop {

namespace {

class CurrentItemWithFocus : public QObject {
public:
    explicit CurrentItemWithFocus(QAbstractItemView& view) : QObject(&view), view_(view) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &view_ || view_.selectionModel() == nullptr) return false;
        if (event->type() == QEvent::FocusOut) {
            if (view_.currentIndex().isValid()) left_ = view_.currentIndex();
            view_.selectionModel()->clearCurrentIndex();
        } else if (event->type() == QEvent::FocusIn && !view_.currentIndex().isValid() && left_.isValid()) {
            view_.selectionModel()->setCurrentIndex(left_, QItemSelectionModel::NoUpdate);
        }
        return false;
    }

private:
    QAbstractItemView& view_;
    QPersistentModelIndex left_;
};

class DropDownListFocus : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut) return false;
        if (auto* combo = qobject_cast<QComboBox*>(watched)) {
            // Down, the list has the focus; up again, the focus comes back
            // to the box, and out of the box it goes elsewhere. The list
            // takes its choice from its current item after the box has the
            // focus back, so the item stops being current only then. The
            // list exists once it has been down.
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (event->type() == QEvent::FocusIn || reason != Qt::PopupFocusReason) {
                QMetaObject::invokeMethod(
                    combo,
                    [combo = QPointer<QComboBox>(combo)] {
                        if (!combo) return;
                        auto* list = combo->findChild<QAbstractItemView*>();
                        if (list && list->selectionModel() && !list->isVisible()) {
                            list->selectionModel()->clearCurrentIndex();
                        }
                    },
                    Qt::QueuedConnection);
            }
            if (event->type() == QEvent::FocusIn && combo->lineEdit() != nullptr) {
                reportFocusOnPart(*combo, [combo] {
                    QLineEdit* edit = combo->lineEdit();
                    return edit ? QAccessible::queryAccessibleInterface(edit) : nullptr;
                });
            }
        }
        return false;
    }
};

}  // namespace

void reportFocusOnPart(QWidget& holder, const std::function<QAccessibleInterface*()>& part) {
    if (!QAccessible::isActive()) return;
    // Qt tells of the control once it has been handed the focus, so the part
    // is told of from the event loop, after that.
    QMetaObject::invokeMethod(
        &holder,
        [holder = QPointer<QWidget>(&holder), part] {
            if (!holder || !holder->hasFocus()) return;
            if (QAccessibleInterface* focused = part()) {
                QAccessibleEvent reported(focused, QAccessible::Focus);
                QAccessible::updateAccessibility(&reported);
            }
        },
        Qt::QueuedConnection);
}

void keepCurrentItemWithFocus(QAbstractItemView& view) { view.installEventFilter(new CurrentItemWithFocus(view)); }

void keepDropDownListsTrue() {
    static const QString name = QStringLiteral("hovorix-drop-down-list-focus");
    QCoreApplication* application = QCoreApplication::instance();
    if (!application || application->findChild<QObject*>(name, Qt::FindDirectChildrenOnly)) return;
    auto* report = new DropDownListFocus(application);
    report->setObjectName(name);
    application->installEventFilter(report);
}

}  // namespace hovorix::desktop
