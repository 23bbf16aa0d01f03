// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a settings file: parsing and looking up keys never fails, and a value set is
// read back as set.
#include "lottery/ini_file.h"
#include "lottery/settings_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    IniFile ini(QString{});
    ini.parse(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    for (const char* key : {"HOTCUTOFF", "STATUSBAR", "TOOLBAR", "LOTTERY", "BROWSER"}) {
        const QString text = ini.value(QStringLiteral("GENERAL"), QString::fromLatin1(key));
        SettingsFile::parseInteger(text, 10);
    }
    ini.setValue(QStringLiteral("GENERAL"), QStringLiteral("HOTCUTOFF"), QStringLiteral("0x1F"));
    if (ini.value(QStringLiteral("GENERAL"), QStringLiteral("HOTCUTOFF")) != QLatin1String("0x1F"))
        std::abort();
    return 0;
}
