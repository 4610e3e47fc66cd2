// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QAccessibleWidget>
#include <QPointer>
#include <QTabBar>

#include <vector>

#include "desktop/AccessibleChildren.h"

class QComboBox;
class QLineEdit;

namespace hovorix::calculator {

class LinkLabel;
class MinuteSpinEdit;

// A minute field as a screen reader meets it: a spin button whose value is
// the number it shows (0 when it holds none), in the range a field can price,
// set as typing the number and leaving the field would set it, stepped by
// "Increase" and "Decrease" as the arrow keys step it; its text is the edit
// box's, to read and edit.
class MinuteFieldAccessible : public QAccessibleWidget,
                              public QAccessibleValueInterface,
                              public QAccessibleTextInterface,
                              public QAccessibleEditableTextInterface {
public:
    explicit MinuteFieldAccessible(MinuteSpinEdit* field);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

private:
    MinuteSpinEdit* field() const;
    // The edit box inside the field, which holds the text.
    QLineEdit* edit() const;
};

// A link of the about box: the link role, named by its caption, with the
// press action that follows it.
class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(LinkLabel* link);

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    LinkLabel* link() const;
};

// A drop-down list that admits no typing, named after its label as every
// other control is rather than by the choice it shows (unless it has no
// name); the choice is its text and its value.
class NamedComboAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit NamedComboAccessible(QComboBox* combo);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    QComboBox* combo() const;
};

// A widget that hands the focus it is given on to another (the page control
// to its tabs, the plot's drawing surface to the plot): only the other says
// it has the focus.
class FocusHandedOnAccessible : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    QAccessible::State state() const override;
};

// The page tabs of the calculator's window: each tab says it has the focus
// only while the tabs have it, not whenever its page is shown, and is
// pressed to show its page. The row of tabs leaves saying so to its tab.
class PageTabsAccessible : public QAccessibleWidget {
public:
    explicit PageTabsAccessible(QTabBar* tabs);
    ~PageTabsAccessible() override;

    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    QTabBar* tabs() const;
    desktop::AccessibleChildren tabs_;
};

class PageTabAccessible : public desktop::AccessiblePart<QTabBar>, public QAccessibleActionInterface {
public:
    PageTabAccessible(QTabBar* tabs, int index);

    bool isValid() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;
};

// Makes the accessibility framework use the interfaces above for the
// calculator's minute fields, links, page control and its tabs, named
// drop-down lists and widgets that hand their focus on, give its main window
// and the window "Zvětšit graf" the role of a frame and the plot of "Volba
// tarifu" that of a chart; and has a screen reader told which part of a
// control has the focus.
void installCalculatorAccessibility();

}  // namespace hovorix::calculator
