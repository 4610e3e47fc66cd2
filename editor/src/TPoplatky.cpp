// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "editor/TPoplatky.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QScreen>

#include <algorithm>
#include <array>
#include <type_traits>
#include <utility>

#include "EditorAccessibility.h"
#include "FileTextValidator.h"
#include "desktop/Cp1250.h"
#include "desktop/ErrorHandling.h"
#include "desktop/NumberText.h"
#include "desktop/PastedText.h"
#include "desktop/ProgramFont.h"
#include "tariffs/Errors.h"
#include "ui_TPoplatky.h"

namespace hovorix::editor {

namespace {

constexpr QChar Backspace(u'\b');

// The fields of each zone: its rate and its free minutes.
struct ZoneFields {
    QLineEdit* Ui::TPoplatky::*rate;
    QLineEdit* Ui::TPoplatky::*freeMinutes;
};

constexpr auto ZoneFieldsOf = tariffs::enumTable<tariffs::Zone, ZoneFields>({
    {tariffs::Zone::JTS, {&Ui::TPoplatky::JTS, &Ui::TPoplatky::JTSVolno}},
    {tariffs::Zone::JTSMimo, {&Ui::TPoplatky::JTSMimo, &Ui::TPoplatky::JTSMimoVolno}},
    {tariffs::Zone::JTSNoc, {&Ui::TPoplatky::JTSNoc, &Ui::TPoplatky::JTSNocVolno}},
    {tariffs::Zone::PAEGAS, {&Ui::TPoplatky::Pekac, &Ui::TPoplatky::PekacVolno}},
    {tariffs::Zone::PAEGASMimo, {&Ui::TPoplatky::PekacMimo, &Ui::TPoplatky::PekacMimoVolno}},
    {tariffs::Zone::EUROTEL, {&Ui::TPoplatky::Eurotel, &Ui::TPoplatky::EurotelVolno}},
    {tariffs::Zone::EUROTELMimo, {&Ui::TPoplatky::EurotelMimo, &Ui::TPoplatky::EurotelMimoVolno}},
});

// The numeric fields with the tariff's numbers they show, in write-back order:
// the three fees, the rate and free minutes of each zone, the first free
// minutes and the minimum charge.
template <typename Tariff>
auto numberFields(const Ui::TPoplatky& ui, Tariff& t) {
    using Field = std::pair<QLineEdit*, std::conditional_t<std::is_const_v<Tariff>, const double, double>*>;
    const std::array fees = {Field{ui.Phone, &t.telephoneFee}, Field{ui.Data, &t.dataFee}, Field{ui.Fax, &t.faxFee}};
    const std::array rest = {Field{ui.Prvni, &t.firstFreeMinutes}, Field{ui.Minimum, &t.minimumCharge}};
    std::array<Field, std::tuple_size_v<decltype(fees)> + 2 * tariffs::ZoneCount + std::tuple_size_v<decltype(rest)>>
        fields;
    auto next = std::copy(fees.begin(), fees.end(), fields.begin());
    for (const tariffs::Zone zone : tariffs::AllZones) {
        const ZoneFields& zoneFields = ZoneFieldsOf[tariffs::indexOf(zone)];
        *next++ = {ui.*zoneFields.rate, &t.zone(zone).rate};
        *next++ = {ui.*zoneFields.freeMinutes, &t.zone(zone).freeMinutes};
    }
    std::copy(rest.begin(), rest.end(), next);
    return fields;
}

}  // namespace

TPoplatky::TPoplatky(desktop::Prompter& prompter, char decimalSeparator, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TPoplatky>()), prompter_(prompter), decimalSeparator_(decimalSeparator) {
    setFont(desktop::programFont());
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(size());

    // A screen reader names the operator box, its edit field and its list
    // after the label, whatever is typed in it.
    installEditorAccessibility();
    ui->Oper->lineEdit()->setAccessibleName(ui->Oper->accessibleName());
    ui->Oper->view()->setAccessibleName(ui->Oper->accessibleName());
    // Whatever the user types is what the list shows and the file keeps.
    ui->Oper->setCompleter(nullptr);
    keepToFileText(*ui->Oper->lineEdit(), prompter_);
    keepToFileText(*ui->Nazev, prompter_);

    tariffs::Tarifs none;
    for (const auto& [field, number] : numberFields(*ui, std::as_const(none))) {
        field->installEventFilter(this);
        // Composed input would go past the key filter.
        field->setAttribute(Qt::WA_InputMethodEnabled, false);
        desktop::routePastes(*field, [this, field](const QString& text) { return pasteNumber(*field, text); });
    }

    connect(ui->Button1, &QPushButton::clicked, this, desktop::guarded(prompter_, this, &TPoplatky::Button1Click));
    connect(ui->Button2, &QPushButton::clicked, this, &QDialog::reject);
}

TPoplatky::~TPoplatky() = default;

void TPoplatky::fill(const tariffs::Tarifs& tariff) {
    setWindowTitle(QStringLiteral("Podrobné informace"));
    // The texts exactly as the tariff holds them.
    FileTextValidator::fill(*ui->Oper, desktop::fromCp1250(tariff.provider));
    FileTextValidator::fill(*ui->Nazev, desktop::fromCp1250(tariff.name));
    for (const auto& [field, number] : numberFields(*ui, tariff)) {
        field->setText(desktop::formatNumber(*number, decimalSeparator_));
    }
    // A long value shows its start, not its end.
    for (QLineEdit* field : findChildren<QLineEdit*>()) field->setCursorPosition(0);
    ui->VsechnyMin->setChecked(tariff.allMinutesFree);
    ui->Oper->setFocus();
}

void TPoplatky::writeBack(tariffs::Tarifs& tariff) const {
    tariffs::Tarifs result = tariff;
    result.provider = desktop::toCp1250(ui->Oper->currentText());
    result.name = desktop::toCp1250(ui->Nazev->text());
    result.allMinutesFree = ui->VsechnyMin->isChecked();
    for (const auto& [field, number] : numberFields(*ui, result)) {
        const QString text = field->text();
        if (!desktop::tryParseNumber(text, decimalSeparator_, *number))
            throw tariffs::ConversionError(desktop::toCp1250(text));
    }
    tariff = std::move(result);
}

void TPoplatky::Button1Click() {
    // Every number is checked before the dialog closes, so a typing error
    // costs neither the other fields nor the dialog.
    tariffs::Tarifs none;
    for (const auto& [field, number] : numberFields(*ui, none)) {
        if (!desktop::tryParseNumber(field->text(), decimalSeparator_, *number)) {
            desktop::showGeneralError(prompter_, this, desktop::conversionMessage(field->text()));
            field->setFocus();
            field->selectAll();
            return;
        }
    }
    accept();
}

QChar TPoplatky::PhoneKeyPress(const QLineEdit& field, QChar key) const { return PhoneKeyPress(field.text(), key); }

QChar TPoplatky::PhoneKeyPress(const QString& text, QChar key) const {
    const QChar separator = QLatin1Char(decimalSeparator_);
    if (key == Backspace) return key;
    if (key >= u'0' && key <= u'9') return key;
    if (key == u',' || key == u'.' || key == separator) {
        // The whole text counts, selected or not.
        return text.contains(separator) ? QChar() : separator;
    }
    return {};
}

bool TPoplatky::pasteNumber(QLineEdit& field, const QString& pasted) {
    const QString tidy = desktop::tidyPastedNumber(pasted);
    // The field's text as the key filter sees it before each character: the
    // first takes the place of the selection, the others follow it.
    QString text = field.text();
    qsizetype at = field.hasSelectedText() ? field.selectionStart() : field.cursorPosition();
    QString received;
    for (const QChar key : tidy) {
        // A backspace passes the filter as a key; pasted, it would be a
        // character in the number.
        const QChar taken = key == Backspace ? QChar() : PhoneKeyPress(text, key);
        // What the filter discards (a sign, a letter, a second separator)
        // refuses the paste: dropped quietly, it would change the number.
        if (taken.isNull()) {
            prompter_.beep();
            return false;
        }
        if (received.isEmpty() && field.hasSelectedText()) text.remove(at, field.selectionLength());
        text.insert(at++, taken);
        received += taken;
    }
    // Only blanks or line ends: nothing to paste.
    if (received.isEmpty()) return false;
    field.insert(received);
    return true;
}

bool TPoplatky::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (field && event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        // Keys that type nothing (Backspace, Delete, arrows, shortcuts, Enter)
        // keep their usual meaning.
        if (typed.isEmpty() || !typed.front().isPrint()) return false;
        if (typed.size() == 1) {
            const QChar received = PhoneKeyPress(*field, typed.front());
            if (received == typed.front()) return false;
            if (!received.isNull()) field->insert(received);
            return true;
        }
        for (const QChar key : typed) {
            const QChar received = PhoneKeyPress(*field, key);
            if (!received.isNull()) field->insert(received);
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TPoplatky::keyPressEvent(QKeyEvent* event) {
    // Escape does not leave the dialog: only Storno and the close box cancel.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TPoplatky::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* where = screen()) move(where->availableGeometry().center() - rect().center());
}

}  // namespace hovorix::editor
