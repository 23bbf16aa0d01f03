// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The GENERAL section of vantoro.ini.
struct GeneralSettings {
    int HotNumberCutoff = 10;
    bool ShowStatusBar = true;
    bool ShowToolbar = true;
    QString LotteryFile; // LOTTERY: the drawing file to load at start, e.g. "PB545.DBF"
    QString BrowserPath; // BROWSER: carried from run to run
};

class SettingsFile {
public:
    static constexpr int MaxTextLength = 1023;

    explicit SettingsFile(QString path);
    QString path() const { return m_path; }

    // A missing file or key gives the default; an integer may be decimal or 0x hexadecimal,
    // anything else gives the default; a text is read up to 1023 characters.
    GeneralSettings read() const;
    // What the end of the program writes: HOTCUTOFF, STATUSBAR, TOOLBAR, BROWSER.
    // Throws VantoroError("Unable to write to <path>") when the file cannot be written.
    void writeOnExit(const GeneralSettings& settings) const;
    // What the open dialog writes when its autoload box is ticked.
    void writeLottery(const QString& lotteryFile) const;

    // Windows ini integer rules: decimal, or hexadecimal after "0x"; otherwise `fallback`.
    static int parseInteger(const QString& text, int fallback);

private:
    void writeValues(const QList<QPair<QString, QString>>& values) const;
    QString m_path;
};
