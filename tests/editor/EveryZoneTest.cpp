// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
// Every zone has its rate and its free minutes in the tariff dialog: each in
// a field of its own that the user sees, and each written back to the zone.
#include <set>

#include "EditorTesting.h"

using namespace editortest;
using namespace hovorix;

namespace {

// The fields of the dialog that show the text, as the user sees them.
std::vector<QLineEdit*> showing(const QWidget& dialog, const QString& text) {
    std::vector<QLineEdit*> fields;
    for (QLineEdit* field : dialog.findChildren<QLineEdit*>()) {
        if (field->text() == text && field->isVisibleTo(&dialog) && field->isEnabled()) fields.push_back(field);
    }
    return fields;
}

}  // namespace

TEST(EveryZone, HasItsFieldsInTheTariffDialog) {
    std::set<QString> seen;
    for (const tariffs::Zone zone : tariffs::AllZones) {
        SCOPED_TRACE(std::string(tariffs::zoneName(zone)));
        ScriptedPrompter prompter;
        editor::TPoplatky dialog(prompter, ',', nullptr);
        tariffs::Tarifs tariff;
        tariff.zone(zone) = {12.5, 340};
        dialog.fill(tariff);
        for (const QString& text : {QStringLiteral("12,5"), QStringLiteral("340")}) {
            const std::vector<QLineEdit*> fields = showing(dialog, text);
            ASSERT_EQ(fields.size(), 1u) << text.toStdString();
            EXPECT_TRUE(seen.insert(fields.front()->objectName()).second) << fields.front()->objectName().toStdString();
            EXPECT_FALSE(fields.front()->accessibleName().isEmpty());
        }
        tariffs::Tarifs back;
        dialog.writeBack(back);
        EXPECT_EQ(back, tariff);
    }
}
