#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "EditorTesting.h"

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

}  // namespace

TEST(EditorLayout, NoCaptionIsClippedInTheMainWindow) {
    Editor editor;
    EXPECT_EQ(clippedTexts(*editor.form), QStringList{});
    EXPECT_EQ(editor.form->size(), QSize(321, 195));
    EXPECT_EQ(editor.form->minimumSize(), editor.form->maximumSize());
}
