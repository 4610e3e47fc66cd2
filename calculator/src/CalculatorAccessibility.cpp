// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "CalculatorAccessibility.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>

#include <algorithm>
#include <mutex>

#include "ChoicePlotWindow.h"
#include "calculator/ChoicePlot.h"
#include "calculator/LinkLabel.h"
#include "calculator/MinuteSpinEdit.h"
#include "calculator/PageControl.h"
#include "calculator/TTarifForm.h"
#include "desktop/AccessibleFocus.h"

namespace hovorix::calculator {

// --- minute fields -------------------------------------------------------------

MinuteFieldAccessible::MinuteFieldAccessible(MinuteSpinEdit* field) : QAccessibleWidget(field, QAccessible::SpinBox) {}

MinuteSpinEdit* MinuteFieldAccessible::field() const { return static_cast<MinuteSpinEdit*>(widget()); }

QLineEdit* MinuteFieldAccessible::edit() const { return field()->findChild<QLineEdit*>(); }

void* MinuteFieldAccessible::interface_cast(QAccessible::InterfaceType type) {
    switch (type) {
    case QAccessible::ValueInterface: return static_cast<QAccessibleValueInterface*>(this);
    case QAccessible::TextInterface: return static_cast<QAccessibleTextInterface*>(this);
    case QAccessible::EditableTextInterface: return static_cast<QAccessibleEditableTextInterface*>(this);
    default: return QAccessibleWidget::interface_cast(type);
    }
}

QString MinuteFieldAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) return field()->text();
    return QAccessibleWidget::text(t);
}

QVariant MinuteFieldAccessible::currentValue() const { return field()->shownNumber(); }

void MinuteFieldAccessible::setCurrentValue(const QVariant& value) {
    bool number = false;
    const double entered = value.toDouble(&number);
    if (!number) return;
    // After the screen reader's call has returned: leaving the field may
    // bring up a message, which would hold the call until it is answered.
    QMetaObject::invokeMethod(
        field(),
        [field = QPointer<MinuteSpinEdit>(field()), entered] {
            if (field) field->enterNumber(entered);
        },
        Qt::QueuedConnection);
}

QVariant MinuteFieldAccessible::maximumValue() const { return double{MinuteSpinEdit::LargestCount}; }

QVariant MinuteFieldAccessible::minimumValue() const { return 0.0; }

QVariant MinuteFieldAccessible::minimumStepSize() const { return 1.0; }

QStringList MinuteFieldAccessible::actionNames() const {
    QStringList names = QAccessibleWidget::actionNames();
    if (widget()->isEnabled()) names << increaseAction() << decreaseAction();
    return names;
}

void MinuteFieldAccessible::doAction(const QString& actionName) {
    if (!widget()->isEnabled()) return;
    if (actionName == increaseAction()) {
        field()->stepBy(1);
    } else if (actionName == decreaseAction()) {
        field()->stepBy(-1);
    } else {
        QAccessibleWidget::doAction(actionName);
    }
}

QStringList MinuteFieldAccessible::keyBindingsForAction(const QString& actionName) const {
    if (actionName == increaseAction()) return {QKeySequence(Qt::Key_Up).toString()};
    if (actionName == decreaseAction()) return {QKeySequence(Qt::Key_Down).toString()};
    return QAccessibleWidget::keyBindingsForAction(actionName);
}

// The text interface reads and edits the field's edit box, which Qt leaves
// out of the tree inside a spin box.

void MinuteFieldAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !edit()->hasSelectedText()) return;
    *startOffset = edit()->selectionStart();
    *endOffset = edit()->selectionEnd();
}

int MinuteFieldAccessible::selectionCount() const { return edit()->hasSelectedText() ? 1 : 0; }

void MinuteFieldAccessible::addSelection(int startOffset, int endOffset) { setSelection(0, startOffset, endOffset); }

void MinuteFieldAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0) edit()->deselect();
}

void MinuteFieldAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex != 0) return;
    const int length = characterCount();
    startOffset = std::clamp(startOffset, 0, length);
    endOffset = std::clamp(endOffset, 0, length);
    edit()->setSelection(startOffset, endOffset - startOffset);
}

int MinuteFieldAccessible::cursorPosition() const { return edit()->cursorPosition(); }

void MinuteFieldAccessible::setCursorPosition(int position) { edit()->setCursorPosition(position); }

QString MinuteFieldAccessible::text(int startOffset, int endOffset) const {
    const QString shown = edit()->text();
    const int length = static_cast<int>(shown.size());
    startOffset = std::clamp(startOffset, 0, length);
    endOffset = endOffset < 0 ? length : std::clamp(endOffset, startOffset, length);
    return shown.mid(startOffset, endOffset - startOffset);
}

int MinuteFieldAccessible::characterCount() const { return static_cast<int>(edit()->text().size()); }

QRect MinuteFieldAccessible::characterRect(int offset) const {
    const QString shown = edit()->text();
    if (offset < 0 || offset >= shown.size()) return {};
    // Measured from the cursor's place at the character's start.
    const QFontMetrics metrics(edit()->font());
    const int at = edit()->cursorPosition();
    edit()->setCursorPosition(offset);
    const int left = edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
    edit()->setCursorPosition(at);
    const QRect local(left, (edit()->height() - metrics.height()) / 2, metrics.horizontalAdvance(shown.at(offset)),
                      metrics.height());
    return QRect(edit()->mapToGlobal(local.topLeft()), local.size());
}

int MinuteFieldAccessible::offsetAtPoint(const QPoint& point) const {
    const QPoint local = edit()->mapFromGlobal(point);
    return edit()->rect().contains(local) ? edit()->cursorPositionAt(local) : -1;
}

void MinuteFieldAccessible::scrollToSubstring(int startIndex, int endIndex) {
    edit()->setCursorPosition(endIndex);
    edit()->setCursorPosition(startIndex);
}

QString MinuteFieldAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = offset;
    return {};
}

// Text a screen reader writes in is taken as pasted text is.

void MinuteFieldAccessible::deleteText(int startOffset, int endOffset) { replaceText(startOffset, endOffset, {}); }

void MinuteFieldAccessible::insertText(int offset, const QString& text) { replaceText(offset, offset, text); }

void MinuteFieldAccessible::replaceText(int startOffset, int endOffset, const QString& text) {
    setSelection(0, startOffset, endOffset);
    if (text.isEmpty()) {
        edit()->del();
    } else {
        field()->pasteText(text);
    }
}

// --- links -----------------------------------------------------------------------

LinkAccessible::LinkAccessible(LinkLabel* link) : QAccessibleWidget(link, QAccessible::Link) {}

LinkLabel* LinkAccessible::link() const { return static_cast<LinkLabel*>(widget()); }

QString LinkAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && link()->accessibleName().isEmpty()) return link()->text();
    return QAccessibleWidget::text(t);
}

QStringList LinkAccessible::actionNames() const {
    QStringList names = QAccessibleWidget::actionNames();
    if (widget()->isEnabled()) names.prepend(pressAction());
    return names;
}

void LinkAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction() && widget()->isEnabled()) {
        link()->activate();
        return;
    }
    QAccessibleWidget::doAction(actionName);
}

// --- named drop-down lists ------------------------------------------------------------

NamedComboAccessible::NamedComboAccessible(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

QComboBox* NamedComboAccessible::combo() const { return static_cast<QComboBox*>(widget()); }

void* NamedComboAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString NamedComboAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) return combo()->currentText();
    // A list without a name of its own is named by its choice, as Qt does.
    if (t == QAccessible::Name && combo()->accessibleName().isEmpty()) return combo()->currentText();
    return QAccessibleWidget::text(t);
}

QAccessible::State NamedComboAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = combo()->view()->isVisible();
    state.collapsed = !state.expanded;
    return state;
}

// Its one child is the list that drops down, as in every combo box.
int NamedComboAccessible::childCount() const { return 1; }

QAccessibleInterface* NamedComboAccessible::child(int index) const {
    return index == 0 ? QAccessible::queryAccessibleInterface(combo()->view()) : nullptr;
}

int NamedComboAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return child != nullptr && child->object() == combo()->view() ? 0 : -1;
}

QStringList NamedComboAccessible::actionNames() const {
    QStringList names = QAccessibleWidget::actionNames();
    if (widget()->isEnabled()) names << showMenuAction() << pressAction();
    return names;
}

void NamedComboAccessible::doAction(const QString& actionName) {
    if ((actionName == showMenuAction() || actionName == pressAction()) && widget()->isEnabled()) {
        if (combo()->view()->isVisible()) {
            combo()->hidePopup();
        } else {
            combo()->showPopup();
        }
        return;
    }
    QAccessibleWidget::doAction(actionName);
}

void NamedComboAccessible::selection(int, int* startOffset, int* endOffset) const { *startOffset = *endOffset = 0; }

int NamedComboAccessible::selectionCount() const { return 0; }

void NamedComboAccessible::addSelection(int, int) {}

void NamedComboAccessible::removeSelection(int) {}

void NamedComboAccessible::setSelection(int, int, int) {}

int NamedComboAccessible::cursorPosition() const { return 0; }

void NamedComboAccessible::setCursorPosition(int) {}

QString NamedComboAccessible::text(int startOffset, int endOffset) const {
    const QString shown = combo()->currentText();
    startOffset = std::clamp(startOffset, 0, static_cast<int>(shown.size()));
    endOffset = endOffset < 0 ? static_cast<int>(shown.size())
                              : std::clamp(endOffset, startOffset, static_cast<int>(shown.size()));
    return shown.mid(startOffset, endOffset - startOffset);
}

int NamedComboAccessible::characterCount() const { return static_cast<int>(combo()->currentText().size()); }

QRect NamedComboAccessible::characterRect(int) const { return {}; }

int NamedComboAccessible::offsetAtPoint(const QPoint&) const { return -1; }

void NamedComboAccessible::scrollToSubstring(int, int) {}

QString NamedComboAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = offset;
    return {};
}

// --- widgets that hand their focus on ------------------------------------------------------

QAccessible::State FocusHandedOnAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    // Qt asks the widget, which answers for the one it hands the focus to.
    if (widget()->focusProxy() != nullptr) state.focused = widget() == QApplication::focusWidget();
    return state;
}

// --- page tabs ---------------------------------------------------------------------------

PageTabsAccessible::PageTabsAccessible(QTabBar* tabs) : QAccessibleWidget(tabs, QAccessible::PageTabList) {}

PageTabsAccessible::~PageTabsAccessible() = default;

QAccessible::State PageTabsAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.focused = false;
    return state;
}

QTabBar* PageTabsAccessible::tabs() const { return static_cast<QTabBar*>(widget()); }

int PageTabsAccessible::childCount() const { return tabs()->count(); }

QAccessibleInterface* PageTabsAccessible::child(int index) const {
    return tabs_.at(index, childCount(), [this](int i) { return new PageTabAccessible(tabs(), i); });
}

int PageTabsAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return tabs_.indexOf(child, childCount());
}

QAccessibleInterface* PageTabsAccessible::childAt(int x, int y) const {
    return child(tabs()->tabAt(tabs()->mapFromGlobal(QPoint(x, y))));
}

QAccessibleInterface* PageTabsAccessible::focusChild() const {
    return tabs()->hasFocus() ? child(tabs()->currentIndex()) : nullptr;
}

PageTabAccessible::PageTabAccessible(QTabBar* tabs, int index) : AccessiblePart(tabs, index) {}

bool PageTabAccessible::isValid() const { return widget_ && index_ < widget_->count(); }

QString PageTabAccessible::text(QAccessible::Text t) const {
    if (!isValid()) return {};
    switch (t) {
    case QAccessible::Name: {
        // Without the accelerator's mark.
        QString caption = widget_->tabText(index_);
        caption.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(u'&').replace(u'\x01', u'&');
        return caption;
    }
    case QAccessible::Description: return widget_->tabToolTip(index_);
    default: return {};
    }
}

QRect PageTabAccessible::rect() const {
    if (!isValid()) return {};
    const QRect tab = widget_->tabRect(index_);
    return QRect(widget_->mapToGlobal(tab.topLeft()), tab.size());
}

QAccessible::Role PageTabAccessible::role() const { return QAccessible::PageTab; }

QAccessible::State PageTabAccessible::state() const {
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.focusable = true;
    state.selectable = true;
    const bool current = widget_->currentIndex() == index_;
    state.selected = current;
    state.focused = current && widget_->hasFocus();
    state.disabled = !widget_->isTabEnabled(index_);
    state.invisible = !widget_->isVisible() || !widget_->isTabVisible(index_);
    return state;
}

void* PageTabAccessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}

QStringList PageTabAccessible::actionNames() const { return {pressAction()}; }

void PageTabAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction() && isValid() && widget_->isTabEnabled(index_)) widget_->setCurrentIndex(index_);
}

QStringList PageTabAccessible::keyBindingsForAction(const QString&) const { return {}; }

// --- the factory ---------------------------------------------------------------------------

namespace {

bool is(const QString& className, const QMetaObject& type) { return className == QLatin1String(type.className()); }

QAccessibleInterface* calculatorFactory(const QString& className, QObject* object) {
    if (object == nullptr || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (is(className, MinuteSpinEdit::staticMetaObject)) {
        return new MinuteFieldAccessible(static_cast<MinuteSpinEdit*>(widget));
    }
    if (is(className, LinkLabel::staticMetaObject)) return new LinkAccessible(static_cast<LinkLabel*>(widget));
    if (is(className, QTabBar::staticMetaObject) && qobject_cast<PageControl*>(widget->parentWidget())) {
        return new PageTabsAccessible(static_cast<QTabBar*>(widget));
    }
    // The page control hands its focus to its tabs, the plot's drawing
    // surface (a plain widget) to the plot; other plain widgets are no
    // different from what Qt makes of them.
    if (is(className, PageControl::staticMetaObject) || is(className, QWidget::staticMetaObject)) {
        return new FocusHandedOnAccessible(widget);
    }
    // The plot of "Volba tarifu": a chart, named and described as a whole.
    if (is(className, ChoicePlotView::staticMetaObject)) return new QAccessibleWidget(widget, QAccessible::Chart);
    // Top-level windows of their own, as screen readers list the programs' windows.
    if (is(className, TTarifForm::staticMetaObject) || is(className, ChoicePlotWindow::staticMetaObject)) {
        return new QAccessibleWidget(widget, QAccessible::Window);
    }
    // Drop-down lists that admit no typing: asked for while they are being
    // made, before they have their names.
    if (is(className, QComboBox::staticMetaObject)) {
        auto* combo = static_cast<QComboBox*>(widget);
        if (!combo->isEditable()) return new NamedComboAccessible(combo);
    }
    return nullptr;
}

}  // namespace

void installCalculatorAccessibility() {
    static std::once_flag once;
    std::call_once(once, [] { QAccessible::installFactory(calculatorFactory); });
    desktop::keepDropDownListsTrue();
}

}  // namespace hovorix::calculator
