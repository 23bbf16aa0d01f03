// SPDX-License-Identifier: GPL-3.0-or-later
#include "lottery/settings_file.h"

#include "db/vantoro_error.h"
#include "lottery/ini_file.h"

namespace {

const QString section = QStringLiteral("GENERAL");
const QString keyHotCutoff = QStringLiteral("HOTCUTOFF");
const QString keyStatusBar = QStringLiteral("STATUSBAR");
const QString keyToolbar = QStringLiteral("TOOLBAR");
const QString keyLottery = QStringLiteral("LOTTERY");
const QString keyBrowser = QStringLiteral("BROWSER");

QString textValue(const IniFile& ini, const QString& key) {
    return ini.value(section, key).left(SettingsFile::MaxTextLength);
}

int integerValue(const IniFile& ini, const QString& key, int fallback) {
    return SettingsFile::parseInteger(textValue(ini, key), fallback);
}

} // namespace

SettingsFile::SettingsFile(QString path) : m_path(std::move(path)) {}

int SettingsFile::parseInteger(const QString& text, int fallback) {
    const QString value = text.trimmed();
    bool ok = false;
    int number = 0;
    if (value.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        number = value.mid(2).toInt(&ok, 16);
    else
        number = value.toInt(&ok, 10);
    return ok ? number : fallback;
}

GeneralSettings SettingsFile::read() const {
    GeneralSettings result;
    const IniFile ini(m_path);
    result.HotNumberCutoff = integerValue(ini, keyHotCutoff, result.HotNumberCutoff);
    result.ShowStatusBar = integerValue(ini, keyStatusBar, result.ShowStatusBar ? 1 : 0) != 0;
    result.ShowToolbar = integerValue(ini, keyToolbar, result.ShowToolbar ? 1 : 0) != 0;
    result.LotteryFile = textValue(ini, keyLottery);
    result.BrowserPath = textValue(ini, keyBrowser);
    return result;
}

void SettingsFile::writeOnExit(const GeneralSettings& values) const {
    writeValues({
        {keyHotCutoff, QString::number(values.HotNumberCutoff)},
        {keyStatusBar, values.ShowStatusBar ? QStringLiteral("1") : QStringLiteral("0")},
        {keyToolbar, values.ShowToolbar ? QStringLiteral("1") : QStringLiteral("0")},
        {keyBrowser, values.BrowserPath},
    });
}

void SettingsFile::writeLottery(const QString& lotteryFile) const {
    writeValues({{keyLottery, lotteryFile}});
}

void SettingsFile::writeValues(const QList<QPair<QString, QString>>& values) const {
    IniFile ini(m_path);
    for (const auto& [key, value] : values)
        ini.setValue(section, key, value);
    ini.save();
}
