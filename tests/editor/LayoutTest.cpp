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

QString shownText(QString text) {
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(u'&');
    text.replace(u'\x01', u'&');
    return text;
}

// The controls of a window whose caption does not fit inside them, with the
// room each needs.
QStringList clippedTexts(const QWidget& window) {
    QStringList clipped;
    auto check = [&clipped, &window](const QWidget& widget, const QString& text, int extraWidth) {
        if (widget.window() != &window) return;  // a dialog of the window has its own
        const QFontMetrics metrics(widget.font());
        const int needed = metrics.horizontalAdvance(shownText(text)) + extraWidth;
        if (needed > widget.width() || metrics.height() > widget.height()) {
            clipped << QStringLiteral("%1 needs %2 x %3, has %4 x %5")
                           .arg(widget.objectName())
                           .arg(needed)
                           .arg(metrics.height())
                           .arg(widget.width())
                           .arg(widget.height());
        }
    };
    for (const QLabel* label : window.findChildren<QLabel*>()) check(*label, label->text(), 0);
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        const QStyle* style = button->style();
        check(*button, button->text(),
              2 * (style->pixelMetric(QStyle::PM_ButtonMargin) + style->pixelMetric(QStyle::PM_DefaultFrameWidth)));
    }
    for (const QCheckBox* box : window.findChildren<QCheckBox*>()) {
        const QStyle* style = box->style();
        check(*box, box->text(),
              style->pixelMetric(QStyle::PM_IndicatorWidth) + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing) + 2);
    }
    for (const QGroupBox* group : window.findChildren<QGroupBox*>()) check(*group, group->title(), 16);
    return clipped;
}

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
    EXPECT_EQ(clippedTexts(*editor.form), QStringList{});
    EXPECT_EQ(unnamedInputs(*editor.form), QStringList{});
    EXPECT_EQ(editor.form->size(), QSize(321, 195));
    EXPECT_EQ(editor.form->minimumSize(), editor.form->maximumSize());
}

TEST(EditorLayout, NoCaptionIsClippedInTheTariffDialog) {
    ScriptedPrompter prompter;
    hovorix::editor::TPoplatky dialog(prompter, ',', nullptr);
    dialog.fill(hovorix::Tarifs{});
    EXPECT_EQ(clippedTexts(dialog), QStringList{});
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
