// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <cstdint>
#include <cstdlib>
#include <deque>
#include <functional>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "desktop/testing/ScriptedPrompter.h"

// A monkey at the keyboard and the mouse: random but repeatable key presses,
// clicks, double clicks, drags and wheel turns on a window, with every prompt
// answered from the same dice. The seed is printed; HOVORIX_MONKEY_SEED
// repeats a run, HOVORIX_MONKEY_STEPS makes it longer or shorter.
namespace monkey {

inline std::uint64_t fromEnvironment(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::strtoull(text, nullptr, 10) : fallback;
}

class Dice {
public:
    explicit Dice(std::uint64_t defaultSeed)
        : seed_(fromEnvironment("HOVORIX_MONKEY_SEED", defaultSeed)), engine_(seed_) {
        std::cout << "monkey seed " << seed_ << " (set HOVORIX_MONKEY_SEED to repeat the run)" << std::endl;
    }
    std::uint64_t seed() const { return seed_; }
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(engine_); }
    template <typename T>
    const T& pick(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(below(static_cast<int>(items.size())))];
    }

private:
    std::uint64_t seed_;
    std::mt19937_64 engine_;
};

inline int stepCount(int fallback) { return static_cast<int>(fromEnvironment("HOVORIX_MONKEY_STEPS", fallback)); }

// The scripted prompter with an answer for everything: questions from the
// dice, dialogs from the handler the test gives.
class Prompter : public hovorix::desktop::ScriptedPrompter {
public:
    using DialogHandler = std::function<int(QDialog&)>;
    Prompter(Dice& dice, DialogHandler dialogs) : dice_(dice), dialogs_(std::move(dialogs)) {}

    Answer confirm(QWidget* parent, const QString& title, const QString& text, Answer defaultAnswer) override {
        answer(dice_.chance(0.5) ? Answer::Yes : Answer::No);
        return ScriptedPrompter::confirm(parent, title, text, defaultAnswer);
    }
    Answer inform(QWidget* parent, const QString& title, const QString& text) override {
        answer(dice_.pick(std::vector<Answer>{Answer::Yes, Answer::No, Answer::Cancel}));
        return ScriptedPrompter::inform(parent, title, text);
    }
    Answer choose(QWidget* parent, const QString& title, const QString& text, const QString& otherButton,
                  Answer defaultAnswer) override {
        answer(dice_.pick(std::vector<Answer>{Answer::Yes, Answer::No, Answer::Other}));
        return ScriptedPrompter::choose(parent, title, text, otherButton, defaultAnswer);
    }
    // The monkey brings about error boxes and warnings as a user does.
    void error(QWidget* parent, const QString& title, const QString& text) override {
        expectError();
        ScriptedPrompter::error(parent, title, text);
    }
    void warning(QWidget* parent, const QString& title, const QString& text) override {
        expectWarning();
        ScriptedPrompter::warning(parent, title, text);
    }
    int exec(QDialog& dialog) override {
        onDialog(dialogs_);
        return ScriptedPrompter::exec(dialog);
    }

private:
    Dice& dice_;
    DialogHandler dialogs_;
};

// The hand that acts on one window at a time, and what it did lately.
class Hand {
public:
    explicit Hand(Dice& dice) : dice_(dice) {
        // A context menu runs a loop of its own; this works it or closes it
        // from inside that loop, as it does any popup after an action.
        watch_.setInterval(0);
        QObject::connect(&watch_, &QTimer::timeout, [this] { settlePopups(); });
        watch_.start();
    }

    // Windows that may be modal while the hand works: the dialog it drives.
    void expectModal(QWidget* window) { expectedModal_ = window; }
    // Modal windows that came up past the prompter, which tests never want.
    const std::vector<std::string>& strayModals() const { return strayModals_; }

    // One random action on a control of the window.
    void act(QWidget& window) {
        if (dice_.chance(0.005)) {
            note("close " + nameOf(&window));
            window.close();
        } else if (dice_.chance(0.45)) {
            key(window);
        } else {
            mouse(window);
        }
        settlePopups();
    }

    // The latest actions, oldest first, for a failure message.
    std::string recent() const {
        std::string text;
        for (const std::string& action : recent_) text += "\n  " + action;
        return text;
    }

private:
    void note(const std::string& action) {
        recent_.push_back(action);
        if (recent_.size() > 12) recent_.pop_front();
    }

    static std::string nameOf(const QWidget* widget) {
        return std::string(widget->metaObject()->className()) + " " + widget->objectName().toStdString();
    }

    void key(QWidget& window) {
        QWidget* target = window.focusWidget() ? window.focusWidget() : &window;
        static const std::vector<Qt::Key> keys = {
            Qt::Key_Tab,    Qt::Key_Backtab,  Qt::Key_Return,    Qt::Key_Enter,  Qt::Key_Escape, Qt::Key_Space,
            Qt::Key_Left,   Qt::Key_Right,    Qt::Key_Up,        Qt::Key_Down,   Qt::Key_Home,   Qt::Key_End,
            Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Menu,
        };
        static const std::vector<QString> czech = {"ě", "š", "č", "ř", "ž", "ý", "á", "í", "é", "ů", "€", "😀"};
        static const std::vector<char> typed = {'0', '1', '5', '9', ',', '.', '-', '+', 'e', 'E', 'a', 'x', ' ', '/'};
        static const std::vector<Qt::Key> shortcuts = {Qt::Key_A, Qt::Key_C, Qt::Key_V, Qt::Key_X, Qt::Key_Z};
        switch (dice_.below(5)) {
        case 0:
        case 1: {
            const char c = dice_.pick(typed);
            note("type '" + std::string(1, c) + "' into " + nameOf(target));
            QTest::keyClick(target, c);
            break;
        }
        case 2: {
            const QString text = dice_.pick(czech);
            note("type " + text.toStdString() + " into " + nameOf(target));
            QTest::sendKeyEvent(QTest::Press, target, Qt::Key_unknown, text, Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, target, Qt::Key_unknown, text, Qt::NoModifier);
            break;
        }
        case 3: {
            const Qt::Key k = dice_.pick(shortcuts);
            note("Ctrl+" + std::string(1, static_cast<char>(k)) + " in " + nameOf(target));
            QTest::keyClick(target, k, Qt::ControlModifier);
            break;
        }
        default: {
            const Qt::Key k = dice_.pick(keys);
            note("key " + QKeySequence(k).toString().toStdString() + " in " + nameOf(target));
            QTest::keyClick(target, k);
        }
        }
    }

    void mouse(QWidget& window) {
        std::vector<QWidget*> targets{&window};
        for (QWidget* child : window.findChildren<QWidget*>()) {
            if (child->window() == &window && child->isVisible() && child->isEnabled()) targets.push_back(child);
        }
        QWidget* target = dice_.pick(targets);
        const QRect area = target->rect();
        auto somewhere = [&] {
            return QPoint(area.left() + dice_.below(std::max(1, area.width())),
                          area.top() + dice_.below(std::max(1, area.height())));
        };
        const QPoint at = somewhere();
        const std::string where = nameOf(target) + " at " + std::to_string(at.x()) + "," + std::to_string(at.y());
        switch (dice_.below(10)) {
        case 0:
            note("double click " + where);
            QTest::mouseDClick(target, Qt::LeftButton, {}, at);
            break;
        case 1:
            note("right click " + where);
            QTest::mouseClick(target, Qt::RightButton, {}, at);
            break;
        case 2:
        case 3: {
            const QPoint to = somewhere();
            note("drag " + where + " to " + std::to_string(to.x()) + "," + std::to_string(to.y()));
            const Qt::MouseButton button = dice_.chance(0.7) ? Qt::LeftButton : Qt::RightButton;
            QTest::mousePress(target, button, {}, at);
            for (int i = 1; i <= 3; ++i) QTest::mouseMove(target, at + (to - at) * i / 3);
            QTest::mouseRelease(target, button, {}, to);
            break;
        }
        case 4: {
            const int steps = dice_.below(7) - 3;
            note("wheel " + std::to_string(steps) + " over " + where);
            QWheelEvent wheel(at, target->mapToGlobal(at), {}, QPoint(0, steps * 120), Qt::NoButton,
                              dice_.chance(0.2) ? Qt::ControlModifier : Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(target, &wheel);
            break;
        }
        default: note("click " + where); QTest::mouseClick(target, Qt::LeftButton, {}, at);
        }
    }

    // Popups and menus opened by an action get a key or two, then close.
    void settlePopups() {
        if (settling_) return;
        settling_ = true;
        for (int round = 0; QWidget* popup = QApplication::activePopupWidget(); ++round) {
            if (round < 3 && dice_.chance(0.6)) {
                const Qt::Key k = dice_.pick(std::vector<Qt::Key>{Qt::Key_Down, Qt::Key_Up, Qt::Key_Return});
                note("key " + QKeySequence(k).toString().toStdString() + " in popup " + nameOf(popup));
                QTest::keyClick(popup, k);
            } else {
                note("close popup " + nameOf(popup));
                popup->close();
            }
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != expectedModal_) {
            strayModals_.push_back(nameOf(modal) + " \"" + modal->windowTitle().toStdString() + "\"");
            modal->close();
        }
        settling_ = false;
    }

    Dice& dice_;
    QTimer watch_;
    bool settling_ = false;
    QWidget* expectedModal_ = nullptr;
    std::vector<std::string> strayModals_;
    std::deque<std::string> recent_;
};

// Qt's own complaints during a run: a critical message or a failed check in
// Qt is a failure of the run.
class QtMessages {
public:
    QtMessages() {
        instance() = this;
        previous_ = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtCriticalMsg || type == QtFatalMsg) instance()->serious_.push_back(text.toStdString());
        });
    }
    ~QtMessages() {
        qInstallMessageHandler(previous_);
        instance() = nullptr;
    }
    QtMessages(const QtMessages&) = delete;
    QtMessages& operator=(const QtMessages&) = delete;

    const std::vector<std::string>& serious() const { return serious_; }

private:
    static QtMessages*& instance() {
        static QtMessages* current = nullptr;
        return current;
    }
    QtMessageHandler previous_;
    std::vector<std::string> serious_;
};

}  // namespace monkey
