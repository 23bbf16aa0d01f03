// SPDX-License-Identifier: GPL-3.0-or-later
#include "lottery/lottery_catalogue.h"

#include <initializer_list>

namespace {

struct RawEntry {
    const char* text;
    const char* code;
};

struct RawPlace {
    const char* name;
    bool unitedStates;
    std::initializer_list<RawEntry> entries;
};

// The catalogue as the open dialog lists it. Codes are place prefix + regular numbers + highest
// number for lotto games, prefix + 3/4 (MD3/MD4 for midday) for pick games, prefix + KENO for keno,
// and fixed codes for the multi-state and card games.
// clang-format off
const RawPlace rawCatalogue[] = {
    {"Alabama", true, {}},
    {"Alaska", true, {}},
    {"Arizona", true, {
        {"Powerball", "PB545"},
        {"Arizona Lotto", "AZ642"},
        {"Arizona Fantasy 5", "AZ535"},
    }},
    {"Arkansas", true, {}},
    {"California", true, {
        {"California Super Lotto", "CA651"},
        {"California Fantasy 5", "CA539"},
        {"California Pick-3", "CA3"},
    }},
    {"Colorado", true, {
        {"Colorado Lotto", "CO642"},
        {"Colorado Cash 5", "CO532"},
        {"Colorado Keno", "COKENO"},
    }},
    {"Connecticut", true, {
        {"Powerball", "PB545"},
        {"Connecticut Lotto", "CT644"},
        {"Connecticut Cash 5", "CT535"},
        {"Connecticut Pick-3", "CT3"},
        {"Connecticut Pick-4", "CT4"},
    }},
    {"Delaware", true, {
        {"Powerball", "PB545"},
        {"Delaware Cash Lotto", "DE636"},
        {"Delaware Evening Pick-3", "DE3"},
        {"Delaware Evening Pick-4", "DE4"},
        {"Delaware Midday Pick-3", "DEMD3"},
        {"Delaware Midday Pick-4", "DEMD4"},
        {"Delaware Quinto", "DEQ"},
    }},
    {"District of Columbia", true, {
        {"Powerball", "PB545"},
        {"DC Quick Cash", "DC639"},
        {"DC Evening Pick-3", "DC3"},
        {"DC Evening Pick-4", "DC4"},
        {"DC Midday Pick-3", "DCMD3"},
        {"DC Midday Pick-4", "DCMD4"},
        {"Daily Millions", "DM621"},
    }},
    {"Florida", true, {
        {"Florida Lotto", "FL649"},
        {"Florida Fantasy 5", "FL526"},
        {"Florida Pick-3", "FL3"},
        {"Florida Pick-4", "FL4"},
    }},
    {"Georgia", true, {
        {"The Big Game", "BG550"},
        {"Georgia Lotto", "GA646"},
        {"Georgia Fantasy 5", "GA535"},
        {"Georgia Pick-3", "GA3"},
        {"Georgia Pick-4", "GA4"},
    }},
    {"Hawaii", true, {}},
    {"Idaho", true, {
        {"Powerball", "PB545"},
        {"Tri-West Lotto", "TW633"},
        {"Idaho Fast 5", "ID532"},
    }},
    {"Illinois", true, {
        {"The Big Game", "BG550"},
        {"Illinois Lotto", "IL654"},
        {"Illinois Little Lotto", "IL530"},
        {"Illinois Evening Pick-3", "IL3"},
        {"Illinois Evening Pick-4", "IL4"},
        {"Illinois Midday Pick-3", "ILMD3"},
        {"Illinois Midday Pick-4", "ILMD4"},
    }},
    {"Indiana", true, {
        {"Powerball", "PB545"},
        {"Indiana Hoosier Lotto", "IN648"},
        {"Indiana Lucky 5 Lotto", "IN536"},
        {"Indiana Pick-3", "IN3"},
        {"Indiana Pick-4", "IN4"},
        {"Daily Millions", "DM621"},
    }},
    {"Iowa", true, {
        {"Powerball", "PB545"},
        {"Daily Millions", "DM621"},
        {"Iowa Super Cash Lotto", "IA642"},
        {"Iowa Cash Game", "IA535"},
    }},
    {"Kansas", true, {
        {"Powerball", "PB545"},
        {"Kansas Cash Lotto", "KS635"},
        {"Kansas Pick-3", "KS3"},
    }},
    {"Kentucky", true, {
        {"Powerball", "PB545"},
        {"Kentucky Lotto", "KY642"},
        {"Kentucky Cash Lotto", "KY535"},
        {"Kentucky Pick-3", "KY3"},
        {"Kentucky Pick-4", "KY4"},
    }},
    {"Louisiana", true, {
        {"Powerball", "PB545"},
        {"Louisiana Lotto", "LA644"},
        {"Louisiana Easy 5", "LA526"},
        {"Louisiana Pick-3", "LA3"},
        {"Daily Millions", "DM621"},
    }},
    {"Maine", true, {
        {"Tri-State Megabucks", "TS642"},
        {"Tri-State 5 Card Cash", "TS531"},
        {"Tri-State Pick-3", "TS3"},
        {"Tri-State Pick-4", "TS4"},
    }},
    {"Maryland", true, {
        {"The Big Game", "BG550"},
        {"Maryland Lotto", "MD649"},
        {"Maryland Match 5", "MD539"},
        {"Maryland Evening Pick-3", "MD3"},
        {"Maryland Evening Pick-4", "MD4"},
        {"Maryland Miday Pick-3", "MDMD3"},
        {"Maryland Midday Pick-4", "MDMD4"},
    }},
    {"Massachusetts", true, {
        {"The Big Game", "BG550"},
        {"Massachusetts Millions", "MA649"},
        {"Massachusetts Megabucks", "MA642"},
        {"Massachusetts Mash Cash", "MA535"},
        {"Massachusetts Pick-4", "MA4"},
    }},
    {"Michigan", true, {
        {"The Big Game", "BG550"},
        {"Michigan Lotto", "MI649"},
        {"Michigan Cash 5", "MI539"},
        {"Michigan Keno", "MIKENO"},
        {"Michigan Pick-3", "MI3"},
        {"Michigan Pick-4", "MI4"},
        {"Michigan Midday Pick-3", "MIMD3"},
        {"Michigan Midday Pick-4", "MIMD4"},
    }},
    {"Minnesota", true, {
        {"Powerball", "PB545"},
        {"Daily Millions", "DM621"},
        {"Minnesota Gopher 5", "MN539"},
        {"Minnestota Pick-3", "MN3"},
    }},
    {"Mississippi", true, {}},
    {"Missouri", true, {
        {"Powerball", "PB545"},
        {"Daily Millions", "DM621"},
        {"Missouri Lotto", "MO644"},
        {"Missouri Cash Lotto", "MO530"},
        {"Missouri Pick-3", "MO3"},
    }},
    {"Montana", true, {
        {"Powerball", "PB545"},
        {"Tri-West Lotto", "TW633"},
        {"Montana Cash", "MT537"},
    }},
    {"Nebraska", true, {
        {"Powerball", "PB545"},
        {"Daily Millions", "DM621"},
        {"Nebraska Pick 5", "NE530"},
    }},
    {"Nevada", true, {}},
    {"New Hampshire", true, {
        {"Tri-State Megabucks", "TS642"},
        {"Tri-State 5 Card Cash", "TS531"},
        {"Tri-State Pick-3", "TS3"},
        {"Tri-State Pick-4", "TS4"},
        {"New Hampshire Cash Lotto", "NH636"},
        {"Powerball", "PB545"},
    }},
    {"New Jersey", true, {
        {"New Jersey Lotto", "NJ646"},
        {"New Jersey Cash Lotto", "NJ538"},
        {"New Jersey Pick-3", "NJ3"},
        {"New Jersey Pick-4", "NJ4"},
    }},
    {"New Mexico", true, {
        {"Powerball", "PB545"},
        {"Daily Millions", "DM621"},
    }},
    {"New York", true, {
        {"New York Lotto", "NY654"},
        {"New York Take 5", "NY539"},
        {"New York Keno", "NYKENO"},
        {"New York Pick-3", "NY3"},
        {"New York Pick-4", "NY4"},
        {"New York Lucky Day", "NYL"},
    }},
    {"North Carolina", true, {}},
    {"North Dakota", true, {}},
    {"Ohio", true, {
        {"Ohio Super Lotto", "OH647"},
        {"Ohio Buckeye 5", "OH537"},
        {"Ohio Pick-3", "OH3"},
        {"Ohio Pick-4", "OH4"},
    }},
    {"Oklahoma", true, {}},
    {"Oregon", true, {
        {"Powerball", "PB545"},
        {"Oregon Megabucks", "OR644"},
        {"Oregon Pick-4", "OR4"},
    }},
    {"Pennsylvania", true, {
        {"Pennsylvania Wild Card", "PA648"},
        {"Pennsylvania Keystone", "PA633"},
        {"Pennsylvania Cash 5", "PA539"},
        {"Pennsylvania Pick-3", "PA3"},
        {"Pennsylvania Pick-4", "PA4"},
    }},
    {"Rhode Island", true, {
        {"Powerball", "PB545"},
        {"Daily Millions", "DM621"},
        {"Rhode Island Pick-4", "RI4"},
    }},
    {"South Carolina", true, {}},
    {"South Dakota", true, {
        {"Powerball", "PB545"},
        {"Daily Millions", "DM621"},
        {"Tri-West Lotto", "TW633"},
        {"South Dakota Cash", "SD535"},
    }},
    {"Tennessee", true, {}},
    {"Texas", true, {
        {"Texas Lotto", "TX650"},
        {"Texas Cash 5", "TX539"},
        {"Texas Pick-3", "TX3"},
    }},
    {"Utah", true, {}},
    {"Vermont", true, {
        {"Tri-State Megabucks", "TS642"},
        {"Tri-State 5 Card Cash", "TS531"},
        {"Tri-State Pick-3", "TS3"},
        {"Tri-State Pick-4", "TS4"},
    }},
    {"Virginia", true, {
        {"The Big Game", "BG550"},
        {"Virginia Lotto", "VA644"},
        {"Virginia Cash 5", "VA534"},
        {"Virginia Evening Pick-3", "VA3"},
        {"Virginia Evening Pick-4", "VA4"},
        {"Virginia Midday Pick-3", "VAMD3"},
        {"Virginia Midday Pick-4", "VAMD4"},
    }},
    {"Washington", true, {
        {"Washington Lotto", "WA649"},
        {"Washington Quinto", "WAD"},
        {"Washington Keno", "WAKENO"},
        {"Washington Pick-3", "WA3"},
    }},
    {"West Virginia", true, {
        {"Powerball", "PB545"},
        {"Daily Millions", "DM621"},
        {"West Virginia Cash 25", "WV625"},
        {"West Virginia Pick-3", "WV3"},
        {"West Virginia Pick-4", "WV4"},
    }},
    {"Wisconsin", true, {
        {"Powerball", "PB545"},
        {"Daily Millions", "DM621"},
        {"Wisconsin Megabucks", "WI649"},
        {"Wisconsin Super Cash", "WI636"},
        {"Wisconsin Pick-3", "WI3"},
    }},
    {"Wyoming", true, {}},
    {"Australia", false, {
        {"Australian Tatts Lotto", "AU645"},
        {"Australian Lotto 1", "AU644"},
        {"Australian Powerball", "AU545"},
    }},
    {"Canada", false, {
        {"Canadian 6/49", "CN649"},
        {"Canadian Pogo 6/39", "CN639"},
        {"Canadian Super 7", "CN747"},
        {"Canadian Pick-3", "CN3"},
        {"Ontario Daily Keno", "CNKENO"},
    }},
    {"Germany", false, {
        {"German Lotto 6/49", "GE649"},
    }},
    {"Ireland", false, {
        {"Irish Lotto 6/42", "IR642"},
    }},
    {"New Zealand", false, {
        {"New Zealand Lotto", "NZ640"},
    }},
    {"Spain", false, {
        {"Spain 6/49", "SP649"},
    }},
    {"United Kingdom", false, {
        {"British National Lottery", "UK649"},
    }},
};
// clang-format on

} // namespace

namespace LotteryCatalogue {

const std::vector<CataloguePlace>& places() {
    static const std::vector<CataloguePlace> all = [] {
        std::vector<CataloguePlace> list;
        for (const RawPlace& raw : rawCatalogue) {
            CataloguePlace place{QString::fromLatin1(raw.name), raw.unitedStates, {}};
            for (const RawEntry& entry : raw.entries)
                place.entries.push_back({QString::fromLatin1(entry.text), QString::fromLatin1(entry.code)});
            list.push_back(std::move(place));
        }
        return list;
    }();
    return all;
}

std::vector<const CataloguePlace*> places(bool unitedStates) {
    std::vector<const CataloguePlace*> chosen;
    for (const CataloguePlace& place : places()) {
        if (place.unitedStates == unitedStates)
            chosen.push_back(&place);
    }
    return chosen;
}

QStringList placeNames(bool unitedStates) {
    QStringList names;
    for (const CataloguePlace* place : places(unitedStates))
        names << place->name;
    return names;
}

const CataloguePlace* findPlace(const QString& name) {
    for (const CataloguePlace& place : places()) {
        if (place.name.compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return &place;
    }
    return nullptr;
}

int entryCount() {
    int count = 0;
    for (const CataloguePlace& place : places())
        count += static_cast<int>(place.entries.size());
    return count;
}

} // namespace LotteryCatalogue
