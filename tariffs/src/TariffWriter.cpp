// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Autoři projektu Hovorix <hovorix@example.org>
#include "tariffs/TariffWriter.h"

#include "hovorix/Version.h"
#include "tariffs/NumberText.h"

namespace hovorix::tariffs {

namespace {

constexpr std::string_view LineEnd = "\r\n";
// "// Generováno z Cenikar 1.0 dne " in Windows-1250, with the editor's version.
constexpr std::string_view HeaderStart = "// Generov\xE1no z Cenikar " HOVORIX_EDITOR_VERSION " dne ";
// "// Hovorix: ceník mobilních tarifů pro kalkulačku tarif; upravujte jej v programu Cenikar"
constexpr std::string_view NoticeLine =
    "// Hovorix: cen\xEDk mobiln\xED"
    "ch tarif\xF9 pro kalkula\xE8ku tarif; upravujte jej v programu Cenikar";

// The zones in the order the file lists them: the fixed network, then Eurotel,
// then Paegas.
constexpr auto FileZoneOrder = enumOrder(
    {Zone::JTS, Zone::JTSMimo, Zone::JTSNoc, Zone::EUROTEL, Zone::EUROTELMimo, Zone::PAEGAS, Zone::PAEGASMimo});

class Lines {
public:
    explicit Lines(char separator) : separator_(separator) {}

    Lines& text(std::string_view text) {
        out_ += text;
        return *this;
    }
    Lines& number(double value) {
        out_ += formatNumber(value, separator_);
        return *this;
    }
    void end() { out_ += LineEnd; }

    std::string take() { return std::move(out_); }

private:
    char separator_;
    std::string out_;
};

}  // namespace

std::string writeTariffs(const TariffList& list, std::string_view version, char decimalSeparator,
                         const WriteStamp& stamp) {
    Lines out(decimalSeparator);
    out.text(HeaderStart).text(stamp.date).text(" ve ").text(stamp.time).end();
    out.text(NoticeLine).end();
    out.text("verze ").text(version).end();
    out.end();
    list.walk([&out](const Tarifs& tariff) {
        out.text("provider ").text(tariff.provider).end();
        out.text("tarif ").text(tariff.name).end();
        out.text("sluzba telefon ").number(tariff.telephoneFee).end();
        out.text("sluzba data ").number(tariff.dataFee).end();
        out.text("sluzba fax ").number(tariff.faxFee).end();
        out.text("prvniminzdarma ").number(tariff.firstFreeMinutes).end();
        out.text("minimalne ").number(tariff.minimumCharge).end();
        if (tariff.allMinutesFree) out.text("vsechnyminzdarma").end();
        for (Zone zone : FileZoneOrder) {
            const ZoneRate& rate = tariff.zone(zone);
            out.text("sazba ")
                .text(zoneName(zone))
                .text(" ")
                .number(rate.rate)
                .text(" ")
                .number(rate.freeMinutes)
                .end();
        }
        out.text("konec").end();
        out.end();
    });
    out.text(".").end();
    return out.take();
}

}  // namespace hovorix::tariffs
