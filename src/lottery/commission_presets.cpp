// SPDX-License-Identifier: GPL-3.0-or-later
#include "lottery/commission_presets.h"

#include <QHash>

namespace {

struct RawCommission {
    const char* abbreviation;
    const char* name;
    const char* address;
    const char* city;
    const char* zipCode;
    const char* phone;
};

// Addresses and telephone numbers are only those the agencies publish themselves (their own web
// pages, rules or reports; the source is noted per row). Where none was found the field is blank
// rather than guessed: a wrong address is worse than none.
// clang-format off
constexpr RawCommission stateCommissions[] = {
    {"AZ", "Arizona State Lottery", "4740 E. University Dr.", "Phoenix", "85034", "480-921-4400"}, // lottery.az.gov
    {"CA", "California State Lottery", "730 North 10th Street", "Sacramento", "95811", "800-568-8379"}, // calottery.com
    {"CO", "Colorado State Lottery", "225 N Main Street", "Pueblo", "81003", "719-546-2400"}, // coloradolottery.com
    {"CT", "Connecticut Lottery", "", "Rocky Hill", "", "860-713-2680"},                      // ctlottery.org
    {"DE", "Delaware State Lottery", "", "", "", ""},
    {"DC", "District of Columbia", "2235 Shannon Place, SE", "Washington", "20020", "202-645-8000"}, // dclottery.com
    {"FL", "Florida State Lottery", "", "", "", ""},
    {"GA", "Georgia State Lottery", "P.O. Box 56966", "Atlanta", "30343", ""}, // galottery.com
    {"ID", "Idaho Lottery", "1199 Shoreline Lane, Suite 100", "Boise", "83702", "208-334-2600"}, // IDAPA 52 rules
    {"IL", "Illinois Lottery", "", "", "", ""},
    {"IN", "The Hoosier Lottery", "1302 N. Meridian Street", "Indianapolis", "46202", ""}, // hoosierlottery.com
    {"IA", "Iowa Lottery", "13001 University Ave", "Clive", "50325-8225", "515-725-7900"}, // ialottery.com, its blog
    {"KS", "Kansas Lottery", "", "", "", ""},
    {"KY", "Kentucky Lottery", "1011 W. Main Street", "Louisville", "40202", "877-789-4532"}, // kylottery.com
    {"LA", "Louisiana Lottery", "", "Baton Rouge", "", ""},                                  // louisianalottery.com
    {"ME", "Maine State Lottery", "", "", "", ""},
    {"MD", "Maryland Lottery", "1800 Washington Blvd.", "Baltimore", "", ""}, // Maryland Manual (msa.maryland.gov)
    {"MA", "Massachusetts State Lottery", "60 Columbian Street", "Braintree", "02184", "781-849-5555"}, // masslottery.com
    {"MI", "Michigan Lottery", "", "", "", "844-917-6325"},                           // faq.michiganlottery.com
    {"MN", "Minnesota State Lottery", "P.O. Box 131000", "Roseville", "55113", "651-635-8273"}, // mnlottery.com
    {"MO", "Missouri Lottery", "", "", "", "573-751-4050"},                           // Missouri Lottery fact book
    {"MT", "Montana State Lottery", "2525 North Montana", "Helena", "59601", ""},     // ARM 2.63.101
    {"NE", "Nebraska Lottery", "P.O. Box 95145", "Lincoln", "68509-5145", "402-471-6100"}, // nelottery.com
    {"NH", "New Hampshire State Lottery", "", "", "", "603-271-3391"},                // nhlottery.com
    {"NJ", "New Jersey Lottery", "", "", "", "609-599-5875"},                         // njlottery.com
    {"NY", "New York Lottery", "", "", "", ""},
    {"OH", "Ohio Lottery", "615 West Superior Avenue", "Cleveland", "44113", "800-686-4208"}, // ohiolottery.com
    {"OR", "Oregon State Lottery", "", "Salem", "", "503-540-1000"},                  // oregonlottery.org
    {"PA", "Pennsylvania Lottery", "", "", "", ""},
    {"RI", "Rhode Island Lottery", "", "", "", ""},
    {"SD", "South Dakota Lottery", "", "Pierre", "", ""}, // lottery.sd.gov
    {"TX", "Texas Lottery", "P.O. Box 16630", "Austin", "78761-6630", "512-344-5300"}, // texaslottery.com
    {"VT", "Vermont Lottery", "", "", "", "800-322-8800"},                            // vtlottery.com
    {"VA", "Virginia Lottery", "900 E. Main Street", "Richmond", "23219", ""},        // valottery.com
    {"WA", "Washington State Lottery", "", "Olympia", "", ""},                        // walottery.com
    {"WV", "West Virginia Lottery", "P.O. Box 2913", "Charleston", "25330", ""},      // wvlottery.com
    {"WI", "Wisconsin Lottery", "P.O. Box 8941", "Madison", "53708-8941", "608-261-8800"}, // dor.state.wi.us
};
// clang-format on

CommissionPreset toPreset(const RawCommission& raw) {
    return {QString::fromLatin1(raw.name),    QString::fromLatin1(raw.address),
            QString::fromLatin1(raw.city),    QString::fromLatin1(raw.abbreviation),
            QString::fromLatin1(raw.zipCode), QString::fromLatin1(raw.phone)};
}

const QHash<QString, CommissionPreset>& byState() {
    static const QHash<QString, CommissionPreset> table = [] {
        QHash<QString, CommissionPreset> presets;
        for (const RawCommission& raw : stateCommissions)
            presets.insert(QString::fromLatin1(raw.abbreviation), toPreset(raw));
        return presets;
    }();
    return table;
}

} // namespace

namespace CommissionPresets {

const CommissionPreset* forState(const QString& abbreviation) {
    const auto& table = byState();
    const auto it = table.constFind(abbreviation.toUpper());
    return it == table.constEnd() ? nullptr : &it.value();
}

int stateCount() {
    return static_cast<int>(byState().size());
}

const CommissionPreset& pennsylvaniaRevenue() {
    static const CommissionPreset preset{
        QStringLiteral("Department of Revenue"), {}, {}, QStringLiteral("PA"), {}, {}};
    return preset;
}

const CommissionPreset& multiState() {
    // The association's own filings give this address and number.
    static const CommissionPreset preset{QStringLiteral("Multi-state Lottery Association"),
                                         QStringLiteral("4400 NW Urbandale Drive"),
                                         QStringLiteral("Urbandale"),
                                         QStringLiteral("IA"),
                                         QStringLiteral("50322"),
                                         QStringLiteral("515-453-1400")};
    return preset;
}

const CommissionPreset& triState() {
    static const CommissionPreset preset{QStringLiteral("Tri-State Lottery Commission"), {}, {}, {}, {}, {}};
    return preset;
}

const CommissionPreset& newYork() {
    return *forState(QStringLiteral("NY"));
}

void apply(const CommissionPreset* preset, LotteryDefinition& definition) {
    const CommissionPreset blank;
    const CommissionPreset& chosen = preset ? *preset : blank;
    definition.CommissionName = chosen.name;
    definition.CommissionAddress = chosen.address;
    definition.CommissionCity = chosen.city;
    definition.CommissionState = chosen.state;
    definition.CommissionZipCode = chosen.zipCode;
    definition.CommissionPhone = chosen.phone;
    definition.CommissionFax.clear();
    definition.CommissionEmail.clear();
    definition.CommissionWWW.clear();
}

} // namespace CommissionPresets
