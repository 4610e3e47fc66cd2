// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include <QUrl>
#include <QVBoxLayout>

#include <limits>
#include <optional>

#include "desktop/ProgramFont.h"

#include "CalculatorTesting.h"

using namespace hovorix::calculator;
using namespace hovorix::calculator::testing;

namespace {

// Two minute fields in a window of their own, the first one focused.
struct Fields {
    explicit Fields(QChar separator = u',') {
        auto* layout = new QVBoxLayout(&window);
        for (MinuteSpinEdit* field : {first, second}) {
            field->setPrompter(&prompter);
            field->setDecimalSeparator(separator);
            field->setFixedSize(73, 22);
            layout->addWidget(field);
        }
        EXPECT_TRUE(showActive(window));
        first->setFocus(Qt::OtherFocusReason);
    }

    ScriptedPrompter prompter;
    QWidget window;
    MinuteSpinEdit* first = new MinuteSpinEdit(&window);
    MinuteSpinEdit* second = new MinuteSpinEdit(&window);
};

}  // namespace

TEST(MinuteCount, IsAWholeDecimalNumberWithin32BitsAndAnythingElseCountsZero) {
    constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();
    const struct {
        const char* text;
        std::int32_t value;
    } cases[] = {
        {"0", 0},
        {"17", 17},
        {"007", 7},
        {"   17", 17},
        {"+17", 17},
        {"-17", -17},
        {"-0", 0},
        {"2147483647", Max},
        {"-2147483648", Min},
        {"2147483648", 0},
        {"-2147483649", 0},
        {"99999999999999999999", 0},
        {"", 0},
        {"-", 0},
        {"+", 0},
        {"2,5", 0},
        {"2.5", 0},
        {"17 ", 0},
        {"1e3", 0},
        {"+-1", 0},
        {"--1", 0},
        {"- 1", 0},
        {"0x10", 0},
        {"\t17", 0},
        {"１７", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(MinuteSpinEdit::readValue(utf8(c.text)), c.value) << c.text;
}

TEST(MinuteSpinEdit, TypingTakesDigitsSignsAndTheLocalesSeparatorAndBeepsAtAnythingElse) {
    const struct {
        QChar separator;
        const char* typed;
        const char* shown;
        int beeps;
    } cases[] = {
        {u',', "123", "123", 0}, {u',', "-12", "-12", 0}, {u',', "+5", "+5", 0},  {u',', "2,5", "2,5", 0},
        {u',', "2.5", "25", 1},  {u',', "a", "0", 1},     {u',', " ", "0", 1},    {u',', "1x2y", "12", 2},
        {u',', "é", "0", 1},     {u'.', "2.5", "2.5", 0}, {u'.', "2,5", "25", 1},
    };
    for (const auto& c : cases) {
        Fields fields(c.separator);
        fields.first->selectAll();
        typeKeys(fields.first, utf8(c.typed));
        EXPECT_EQ(fields.first->text(), utf8(c.shown)) << c.typed;
        EXPECT_EQ(fields.prompter.beeps(), c.beeps) << c.typed;
    }
}

TEST(MinuteSpinEdit, KeysStepTheValueAsReadAndEnterBeeps) {
    const struct {
        const char* before;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* after;
        int beeps;
    } cases[] = {
        {"0", Qt::Key_Up, {}, "1", 0},
        {"0", Qt::Key_Down, {}, "-1", 0},
        {"-1", Qt::Key_Down, {}, "-2", 0},
        {"2,5", Qt::Key_Up, {}, "1", 0},
        {"abc", Qt::Key_Down, {}, "-1", 0},
        {"  7", Qt::Key_Up, {}, "8", 0},
        {"2147483648", Qt::Key_Up, {}, "1", 0},
        // At the ends of the range the value stays rather than wrapping round.
        {"2147483647", Qt::Key_Up, {}, "2147483647", 0},
        {"-2147483648", Qt::Key_Down, {}, "-2147483648", 0},
        {"5", Qt::Key_PageUp, {}, "5", 0},
        {"5", Qt::Key_PageDown, {}, "5", 0},
        {"5", Qt::Key_Return, {}, "5", 1},
        {"5", Qt::Key_Enter, Qt::KeypadModifier, "5", 1},
        {"5", Qt::Key_Backspace, {}, "", 0},
        // With Alt, Super or Ctrl a key is a command, never typing; Shift
        // and the keypad type, as the Czech layout types digits with Shift.
        {"5", Qt::Key_A, Qt::AltModifier, "5", 1},
        {"5", Qt::Key_A, Qt::MetaModifier, "5", 1},
        {"5", Qt::Key_1, Qt::ControlModifier, "5", 1},
        {"5", Qt::Key_2, Qt::ShiftModifier, "2", 0},
        {"5", Qt::Key_3, Qt::KeypadModifier, "3", 0},
    };
    for (const auto& c : cases) {
        Fields fields;
        fields.first->setText(utf8(c.before));
        fields.first->selectAll();
        QTest::keyClick(fields.first, c.key, c.modifiers);
        EXPECT_EQ(fields.first->text(), utf8(c.after)) << c.before << " key " << c.key;
        EXPECT_EQ(fields.prompter.beeps(), c.beeps) << c.before << " key " << c.key;
    }
}

// What a spreadsheet cell or a web page brings along is dropped from pasted
// text; text that is still not what typing could give is refused with the
// beep, and the field keeps what it held. Every way of pasting does so.
TEST(MinuteSpinEdit, PastedTextIsCleanedOrRefusedWithTheBeep) {
    const struct {
        const char* text;
        const char* held;  // empty: refused with the beep
    } cases[] = {
        {"41\r\n", "41"},
        {" 45 ", "45"},
        {"\t12\n", "12"},
        {"1 200", "1200"},
        {"3 45", "345"},
        {"1\u00A0200", "1200"},
        {"1\u2009200\u202F000", "1200000"},
        {"1 200,5", "1200,5"},
        {"-5", "-5"},
        {"abc", ""},
        {"12 ab", ""},
        {"4 -", ""},
        {"12\t34", ""},
        {"2.5", ""},
        {"Žluťoučký", ""},
    };
    // The clipboard's routes, then a drop from another program.
    const std::optional<guitest::PasteRoute> routes[] = {guitest::PasteRoute::CtrlV, guitest::PasteRoute::ShiftInsert,
                                                         guitest::PasteRoute::Menu, std::nullopt};
    for (const std::optional<guitest::PasteRoute> route : routes) {
        for (const auto& c : cases) {
            SCOPED_TRACE(route ? static_cast<int>(*route) : -1);
            Fields fields;
            MinuteSpinEdit* field = fields.first;
            field->setText(QStringLiteral("7"));
            field->selectAll();
            if (route) {
                ASSERT_TRUE(guitest::pasteBy(*route, field, utf8(c.text)));
            } else {
                field->setText({});
                drop(field, utf8(c.text));
            }
            const bool refused = !*c.held;
            const QString before = route ? QStringLiteral("7") : QString();
            EXPECT_EQ(field->text(), refused ? before : utf8(c.held)) << c.text;
            EXPECT_EQ(fields.prompter.beeps(), refused ? 1 : 0) << c.text;
        }
    }
}

// Whatever the field's text, a dropped file is no text to paste: it is left
// to the window, which takes call lists.
TEST(MinuteSpinEdit, ADroppedFileIsNoPastedText) {
    Fields fields;
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/vypis.csv"))});
    data.setText(QStringLiteral("/tmp/vypis.csv"));
    QWidget* edit = fields.first->findChild<QLineEdit*>();
    QDragEnterEvent enter(QPoint(2, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(edit, &enter);
    EXPECT_FALSE(enter.isAccepted());
    QDropEvent dropped(QPointF(2, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(edit, &dropped);
    EXPECT_EQ(fields.first->text(), QStringLiteral("0"));
    EXPECT_EQ(fields.prompter.beeps(), 0);
}

// The largest count a field prices shows whole in a field of the window's
// size once the field is left, in the program's font.
TEST(MinuteSpinEdit, TheLargestCountShowsWholeWhenTheFieldIsLeft) {
    Fields fields;
    fields.window.setFont(hovorix::desktop::programFont());
    MinuteSpinEdit* field = fields.first;
    field->setText(QString::number(MinuteSpinEdit::LargestCount));
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClick(field, Qt::Key_Tab);
    ASSERT_FALSE(field->hasFocus());
    // The first and the last digit lie within the edit box, so nothing
    // scrolled out at either end.
    const auto* edit = field->findChild<QLineEdit*>();
    const QRect box = edit->contentsRect();
    for (const int position : {0, 10}) {
        const_cast<QLineEdit*>(edit)->setCursorPosition(position);
        const QRect cursor = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        EXPECT_TRUE(box.contains(cursor.center())) << "position " << position << " at x " << cursor.center().x();
    }
}

TEST(MinuteSpinEdit, AButtonStepsOnceOnReleaseOverItAndTakesTheFocus) {
    const struct {
        QStyle::SubControl button;
        bool releasedOutside;
        const char* after;
    } cases[] = {
        {QStyle::SC_SpinBoxUp, false, "1"},
        {QStyle::SC_SpinBoxDown, false, "-1"},
        {QStyle::SC_SpinBoxUp, true, "0"},
    };
    for (const auto& c : cases) {
        Fields fields;
        MinuteSpinEdit* field = fields.second;
        const QPoint button = buttonCentre(field, c.button);
        QTest::mousePress(field, Qt::LeftButton, {}, button);
        EXPECT_EQ(field->text(), QStringLiteral("0")) << "no step on press";
        EXPECT_TRUE(field->hasFocus());
        const QPoint release = c.releasedOutside ? QPoint(5, 5) : button;
        QTest::mouseMove(field, release);
        QTest::mouseRelease(field, Qt::LeftButton, {}, release);
        EXPECT_EQ(field->text(), utf8(c.after));
        EXPECT_EQ(fields.first->text(), QStringLiteral("0"));
    }
}

TEST(MinuteSpinEdit, AHeldButtonRepeatsAfter400MsThenEvery100MsAndOnceMoreOnRelease) {
    Fields fields;
    MinuteSpinEdit* field = fields.first;
    QTimer& repeat = repeatTimer(field);
    const QPoint button = buttonCentre(field, QStyle::SC_SpinBoxUp);
    QTest::mousePress(field, Qt::LeftButton, {}, button);
    EXPECT_EQ(field->value(), 0) << "a step on the press";
    EXPECT_EQ(repeat.interval(), 400);
    for (int step = 1; step <= 3; ++step) {
        ASSERT_TRUE(expire(repeat)) << step;
        EXPECT_EQ(field->value(), step);
        EXPECT_EQ(repeat.interval(), 100) << step;
    }
    QTest::mouseRelease(field, Qt::LeftButton, {}, button);
    EXPECT_EQ(field->value(), 4);
    EXPECT_FALSE(repeat.isActive()) << "still stepping after the release";
}

TEST(MinuteSpinEdit, EnteringWithTheKeyboardSelectsTheWholeText) {
    const struct {
        const char* how;
        bool selectsAll;
    } cases[] = {{"tab", true}, {"backtab", true}, {"mouse", false}};
    for (const auto& c : cases) {
        Fields fields;
        MinuteSpinEdit* target = fields.second;
        target->setText(QStringLiteral("123"));
        const std::string how = c.how;
        if (how == "tab") {
            QTest::keyClick(fields.first, Qt::Key_Tab);
        } else if (how == "backtab") {
            // Shift+Tab from the first field goes round to the second.
            QTest::keyClick(fields.first, Qt::Key_Backtab, Qt::ShiftModifier);
        } else {
            QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(4, target->height() / 2));
        }
        ASSERT_TRUE(target->hasFocus()) << c.how;
        QTest::keyClicks(target, QStringLiteral("7"));
        EXPECT_EQ(target->text() == QStringLiteral("7"), c.selectsAll) << c.how << ": " << target->text().toStdString();
    }
}

TEST(MinuteSpinEdit, TheWheelNeverChangesACount) {
    Fields fields;
    QWheelEvent wheel(QPointF(10, 10), fields.first->mapToGlobal(QPointF(10, 10)), {}, QPoint(0, 120), Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(fields.first, &wheel);
    EXPECT_EQ(fields.first->text(), QStringLiteral("0"));
}
