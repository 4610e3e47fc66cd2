// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "EditorAccessibility.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

#include "desktop/AccessibleFocus.h"

namespace hovorix::editor {

namespace {

// A combo box that goes by its accessible name, the text of its label,
// where it has one. Qt's own accessible combo box gives its current text as
// its name on Linux, so a screen reader would announce the operator box as
// "PAEGAS" and never as "Operátor:". A box without a name is named by its
// text, as Qt names it. The value stays the text in it; the children are, as
// in Qt's, the list and, when the box is editable, the edit field. (Qt makes
// a widget's accessible object while the widget is being built, before its
// name is set, so the name is looked at when it is asked for.)
class NamedComboBox : public QAccessibleWidget {
public:
    explicit NamedComboBox(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text which) const override {
        if (which == QAccessible::Value) return box()->currentText();
        if (which == QAccessible::Name && box()->accessibleName().isEmpty()) return box()->currentText();
        return QAccessibleWidget::text(which);
    }
    // In an editable box the edit field, where the typing goes, says it has
    // the focus, and the screen reader is told of it; the box leaves saying
    // so to the field.
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (box()->lineEdit() != nullptr) state.focused = false;
        return state;
    }
    QAccessibleInterface* focusChild() const override {
        if (box()->lineEdit() != nullptr && box()->hasFocus()) return child(1);
        return nullptr;
    }
    int childCount() const override { return box()->lineEdit() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override {
        if (index == 0) return QAccessible::queryAccessibleInterface(box()->view());
        if (index == 1 && box()->lineEdit()) return QAccessible::queryAccessibleInterface(box()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr) return -1;
        if (child->object() == box()->view()) return 0;
        if (box()->lineEdit() && child->object() == box()->lineEdit()) return 1;
        return -1;
    }

    // Opening and closing the list, as a screen reader's user does.
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction()) return;
        if (box()->view()->isVisible()) {
            box()->hidePopup();
        } else {
            box()->showPopup();
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QComboBox* box() const { return static_cast<QComboBox*>(object()); }
};

QAccessibleInterface* editorAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("hovorix::editor::TCenikarForm")) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    }
    if (className == QLatin1String("QComboBox")) return new NamedComboBox(static_cast<QComboBox*>(object));
    return nullptr;
}

}  // namespace

void installEditorAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(editorAccessible);
        return true;
    }();
    (void)installed;
    desktop::keepDropDownListsTrue();
}

}  // namespace hovorix::editor
