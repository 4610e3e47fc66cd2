// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "EditorTesting.h"
#include "ProgramIconChecks.h"
#include "editor/TPoplatky.h"

using namespace editortest;

namespace {

// Input controls a screen reader could not name.
QStringList unnamedInputs(const QWidget& window) {
    QStringList unnamed;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->window() != &window || widget->focusPolicy() == Qt::NoFocus) continue;
        const bool input = qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget) ||
                           qobject_cast<const QAbstractItemView*>(widget);
        if (input && widget->accessibleName().isEmpty() && !qobject_cast<const QComboBox*>(widget->parent())) {
            unnamed << widget->objectName();
        }
    }
    return unnamed;
}

}  // namespace

TEST(EditorLayout, NoCaptionIsClippedInTheMainWindow) {
    Editor editor;
    EXPECT_EQ(guitest::captionFit(*editor.form).clipped, QStringList{});
    EXPECT_EQ(unnamedInputs(*editor.form), QStringList{});
    EXPECT_EQ(editor.form->size(), QSize(321, 195));
    EXPECT_EQ(editor.form->minimumSize(), editor.form->maximumSize());
}

TEST(EditorLayout, NoCaptionIsClippedInTheTariffDialog) {
    ScriptedPrompter prompter;
    hovorix::editor::TPoplatky dialog(prompter, ',', nullptr);
    dialog.fill(hovorix::tariffs::Tarifs{});
    EXPECT_EQ(guitest::captionFit(dialog).clipped, QStringList{});
    EXPECT_EQ(unnamedInputs(dialog), QStringList{});
    EXPECT_EQ(dialog.size(), QSize(456, 330));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    // Each row label ends before the field it names.
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        ASSERT_NE(label->buddy(), nullptr) << label->objectName().toStdString();
        EXPECT_LE(label->geometry().right(), label->buddy()->geometry().left()) << label->objectName().toStdString();
    }
}

TEST(EditorLayout, TheWindowAndItsTariffDialogShowTheEditorsIcon) {
    using namespace hovorix::iconchecks;
    const QString id = hovorix::editor::DesktopId;
    Editor editor;
    expectProgramIcon(editor.form->windowIcon(), id);
    const auto* dialog = editor.form->findChild<hovorix::editor::TPoplatky*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(comparable(dialog->windowIcon().pixmap(QSize(32, 32), 1.0).toImage()), themeIcon(id, 32));
}
