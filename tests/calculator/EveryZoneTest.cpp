// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
// Every zone has a minute field of its own on the input page, which the fee
// run prices, and is varied on "Volba tarifu" by two items of "Měnit:": all
// calls and the calls into its network.
#include <QComboBox>

#include <fstream>
#include <map>

#include "CalculatorTesting.h"
#include "calculator/TariffChoicePage.h"
#include "fees/ScaledUsage.h"
#include "tariffs/TariffWriter.h"

using namespace hovorix;
using namespace hovorix::calculator;
using namespace hovorix::calculator::testing;

namespace {

// One tariff for each zone, named by it ("JTS-mimo-z"), which charges 1 a
// minute in that zone alone.
std::string tariffOfEachZone() {
    tariffs::TariffList list(tariffs::EditorDefaults);
    for (const tariffs::Zone zone : tariffs::AllZones) {
        tariffs::Tarifs& tariff = list.append();
        tariff.provider = tariffs::zoneName(zone);
        tariff.name = "z";
        tariff.zone(zone).rate = 1;
    }
    return tariffs::writeTariffs(list, "1.0", ',', {"1.1.2026", "12:00:00"});
}

}  // namespace

TEST(EveryZone, HasItsMinuteFieldAndIsVariedOnTheChoicePage) {
    Workspace workspace;
    workspace.write("tarif.ini", tariffOfEachZone());
    const std::unique_ptr<TTarifForm> form = workspace.start();
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(showActive(*form));
    std::map<std::string, int> fields;   // by zone name: the fields that price it
    std::map<std::string, int> varying;  // by zone name: the items of "Měnit:" that vary it
    const QList<MinuteSpinEdit*> all = form->findChildren<MinuteSpinEdit*>();
    for (MinuteSpinEdit* field : all) {
        clickTab(*form, 0);
        ASSERT_TRUE(field->isVisible()) << field->objectName().toStdString();
        EXPECT_TRUE(form->rect().contains(QRect(field->mapTo(form.get(), QPoint()), field->size())));
        for (MinuteSpinEdit* other : all) other->setText(QStringLiteral("0"));
        field->setText(QStringLiteral("10"));
        clickTab(*form, 2);

        std::vector<std::string> priced;
        for (const chart::Bar& bar : form->feeChart().series().bars()) {
            if (bar.value == 10) priced.push_back(bar.label.chopped(2).toStdString());
        }
        ASSERT_EQ(priced.size(), 1u) << field->objectName().toStdString();
        ++fields[priced.front()];

        auto* menit = child<QComboBox>(*form, "Menit");
        EXPECT_EQ(static_cast<std::size_t>(menit->count()), fees::VariedZonesCount);
        for (int item = 0; item < menit->count(); ++item) {
            menit->setCurrentIndex(item);
            if (!form->choicePage().choice().variedMinutesZero) ++varying[priced.front()];
        }
        menit->setCurrentIndex(0);
    }
    for (const tariffs::Zone zone : tariffs::AllZones) {
        const std::string name(tariffs::zoneName(zone));
        EXPECT_EQ(fields[name], 1) << name;
        EXPECT_EQ(varying[name], 2) << name;
    }
}
