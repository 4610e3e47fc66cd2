// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QLocale>
#include <QMimeData>
#include <QStyleOptionSpinBox>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "GuiTesting.h"
#include "Versions.h"
#include "calculator/MinuteSpinEdit.h"
#include "calculator/PageControl.h"
#include "calculator/TTarifForm.h"
#include "chart/FeeChart.h"
#include "desktop/Cp1250.h"
#include "desktop/RegionalSettings.h"
#include "desktop/testing/ScriptedPrompter.h"

namespace hovorix::calculator::testing {

using desktop::ScriptedPrompter;
using guitest::czech;
using guitest::expire;
using guitest::tariffFile;
using guitest::typeKeys;

// Regional settings with a decimal point.
inline QLocale english() { return QLocale(QLocale::English, QLocale::UnitedStates); }

inline constexpr char CannotOpen[] = "Kritická chyba - nelze otevřít soubor \"tarif.ini\"!";

// The calculator's caption with this data version.
inline QString caption(const QString& dataVersion) {
    return QStringLiteral("%1 [data %2]").arg(QString::fromUtf8(versions::CalculatorCaption), dataVersion);
}

// A working folder for one start of the calculator, with its prompts.
class Workspace {
public:
    Workspace() { EXPECT_TRUE(folder_.isValid()); }

    std::filesystem::path path() const { return folder_.path().toStdString(); }

    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream out(path() / name, std::ios::binary);
        out << bytes;
    }

    // Starts the calculator in this folder; null when it ended during
    // start-up.
    std::unique_ptr<TTarifForm> start(const QLocale& locale = czech()) {
        try {
            return std::make_unique<TTarifForm>(prompter, path(), desktop::RegionalSettings(locale));
        } catch (const desktop::ProgramExit&) {
            return nullptr;
        }
    }

    ScriptedPrompter prompter;

private:
    QTemporaryDir folder_;
};

// Shows the window and makes it the active one, as the user finds it.
inline bool showActive(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

template <typename Widget = MinuteSpinEdit>
Widget* child(const QWidget& form, const char* name) {
    auto* widget = form.findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

inline QTabBar* pageTabs(const QWidget& form) { return child<PageControl>(form, "PageControl1")->tabBar(); }

inline void clickTab(const QWidget& form, int index) {
    QTabBar* tabs = pageTabs(form);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
}

// Where the field's step button (up or down) is.
inline QPoint buttonCentre(MinuteSpinEdit* field, QStyle::SubControl button) {
    QStyleOptionSpinBox option;
    option.initFrom(field);
    option.subControls = QStyle::SC_All;
    option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
    option.frame = true;
    return field->style()->subControlRect(QStyle::CC_SpinBox, &option, button, field).center();
}

// What repeats a held step button; tests drive it with expire().
inline QTimer& repeatTimer(MinuteSpinEdit* field) {
    auto* timer = field->findChild<QTimer*>(QStringLiteral("repeatTimer"));
    if (!timer) throw std::logic_error("the field has no repeat timer");
    return *timer;
}

// Replaces what the field holds through the clipboard, which lets any text in.
inline void paste(MinuteSpinEdit* field, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

// Drops the text on the field's edit box, from another program, at its
// start; true when the drop was taken.
inline bool drop(MinuteSpinEdit* field, const QString& text) {
    QMimeData data;
    data.setText(text);
    QWidget* edit = field->findChild<QLineEdit*>();
    const QPoint at(2, edit->height() / 2);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(edit, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent dropped(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(edit, &dropped);
    return dropped.isAccepted();
}

// Replaces what the field holds by typing.
inline void retype(MinuteSpinEdit* field, const QString& text) {
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    typeKeys(field, text);
}

struct ShownBar {
    QString label;
    double value;
};

// What the latest fee run put on the results page.
inline std::vector<ShownBar> shownBars(const TTarifForm& form) {
    std::vector<ShownBar> bars;
    for (const chart::Bar& bar : form.feeChart().series().bars()) bars.push_back({bar.label, bar.value});
    return bars;
}

inline QString utf8(const char* text) { return QString::fromUtf8(text); }

}  // namespace hovorix::calculator::testing
