// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/vantoro_error.h"
#include "lottery/program_home.h"
#include "lottery/settings_file.h"
#include "support/temp_home.h"

#include <QDir>
#include <QFile>
#include <QTest>

class TestSettingsFile final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void missingFileGivesDefaults() {
        TempHome home;
        const GeneralSettings s = SettingsFile(home.path(QStringLiteral("vantoro.ini"))).read();
        QCOMPARE(s.HotNumberCutoff, 10);
        QVERIFY(s.ShowStatusBar);
        QVERIFY(s.ShowToolbar);
        QVERIFY(s.LotteryFile.isEmpty());
        QVERIFY(s.BrowserPath.isEmpty());
    }

    void integers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        QTest::newRow("decimal") << "25" << 25;
        QTest::newRow("hexadecimal") << "0x1A" << 26;
        QTest::newRow("upper-case prefix") << "0X10" << 16;
        QTest::newRow("leading zero is decimal") << "010" << 10;
        QTest::newRow("blanks around") << "  7 " << 7;
        QTest::newRow("negative") << "-3" << -3;
        QTest::newRow("not a number") << "ten" << 99;
        QTest::newRow("trailing rubbish") << "12abc" << 99;
        QTest::newRow("bare prefix") << "0x" << 99;
        QTest::newRow("empty") << "" << 99;
    }

    void integers() {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QCOMPARE(SettingsFile::parseInteger(text, 99), expected);
    }

    void readsAHandWrittenFile() {
        TempHome home;
        home.writeFile(QStringLiteral("vantoro.ini"),
                       "[GENERAL]\r\nHOTCUTOFF=0x0F\r\nSTATUSBAR=0\r\nTOOLBAR=5\r\nLOTTERY=PB545.DBF\r\n"
                       "BROWSER=/usr/bin/firefox\r\n[OTHER]\r\nHOTCUTOFF=3\r\n");
        const GeneralSettings s = SettingsFile(home.path(QStringLiteral("vantoro.ini"))).read();
        QCOMPARE(s.HotNumberCutoff, 15);
        QVERIFY(!s.ShowStatusBar);
        QVERIFY(s.ShowToolbar); // any non-zero integer is true
        QCOMPARE(s.LotteryFile, QStringLiteral("PB545.DBF"));
        QCOMPARE(s.BrowserPath, QStringLiteral("/usr/bin/firefox"));
    }

    void badValuesGiveTheirDefaults() {
        TempHome home;
        home.writeFile(QStringLiteral("vantoro.ini"), "[GENERAL]\nHOTCUTOFF=hot\nSTATUSBAR=no\nTOOLBAR=\n");
        const GeneralSettings s = SettingsFile(home.path(QStringLiteral("vantoro.ini"))).read();
        QCOMPARE(s.HotNumberCutoff, 10);
        QVERIFY(s.ShowStatusBar);
        QVERIFY(s.ShowToolbar);
    }

    void textIsReadUpTo1023Characters() {
        TempHome home;
        const QByteArray longPath = "/opt/" + QByteArray(2000, 'b');
        home.writeFile(QStringLiteral("vantoro.ini"), "[GENERAL]\nBROWSER=" + longPath + "\n");
        const GeneralSettings s = SettingsFile(home.path(QStringLiteral("vantoro.ini"))).read();
        QCOMPARE(s.BrowserPath.size(), 1023);
        QCOMPARE(s.BrowserPath, QString::fromLatin1(longPath.left(1023)));
    }

    void commasStayInTheText() {
        TempHome home;
        home.writeFile(QStringLiteral("vantoro.ini"), "[GENERAL]\nBROWSER=browser --new-window,%1\n");
        const GeneralSettings s = SettingsFile(home.path(QStringLiteral("vantoro.ini"))).read();
        QCOMPARE(s.BrowserPath, QStringLiteral("browser --new-window,%1"));
    }

    void exitWritesFourKeysAndKeepsTheLottery() {
        TempHome home;
        const SettingsFile file(home.path(QStringLiteral("vantoro.ini")));
        file.writeLottery(QStringLiteral("NJ646.DBF"));
        GeneralSettings s;
        s.HotNumberCutoff = 12;
        s.ShowStatusBar = false;
        s.BrowserPath = QStringLiteral("C:\\Program Files\\browser.exe");
        s.LotteryFile = QStringLiteral("IGNORED.DBF");
        file.writeOnExit(s);
        const QString text = QString::fromLatin1(home.readFile(QStringLiteral("vantoro.ini")));
        QVERIFY2(text.contains(QStringLiteral("[GENERAL]")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("STATUSBAR=0")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("TOOLBAR=1")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("HOTCUTOFF=12")), qPrintable(text));
        const GeneralSettings back = file.read();
        QCOMPARE(back.LotteryFile, QStringLiteral("NJ646.DBF")); // only the open dialog writes it
        QCOMPARE(back.BrowserPath, s.BrowserPath);
        QCOMPARE(back.HotNumberCutoff, 12);
    }

    void writingKeepsOtherLinesAndFindsKeysInAnyCase() {
        TempHome home;
        home.writeFile(
            QStringLiteral("vantoro.ini"),
            "; my notes\r\n[general]\r\nhotcutoff=4\r\nLOTTERY=CN649.DBF\r\n\r\n[WINDOW]\r\nX=5\r\n");
        const SettingsFile file(home.path(QStringLiteral("vantoro.ini")));
        QCOMPARE(file.read().HotNumberCutoff, 4);
        GeneralSettings s = file.read();
        s.HotNumberCutoff = 8;
        file.writeOnExit(s);
        QCOMPARE(home.readFile(QStringLiteral("vantoro.ini")),
                 QByteArray("; my notes\r\n[general]\r\nhotcutoff=8\r\nLOTTERY=CN649.DBF\r\nSTATUSBAR=1\r\n"
                            "TOOLBAR=1\r\nBROWSER=\r\n\r\n[WINDOW]\r\nX=5\r\n"));
    }

    void unwritableFileIsReported() {
        TempHome home;
        home.writeFile(QStringLiteral("blocker"), "a file where a folder should be");
        const QString path = home.path(QStringLiteral("blocker/vantoro.ini"));
        try {
            SettingsFile(path).writeOnExit(GeneralSettings());
            QFAIL("the write was reported as done");
        } catch (const VantoroError& error) {
            QCOMPARE(error.message(), QStringLiteral("Unable to write to ") + QDir::toNativeSeparators(path));
        }
    }
};

class TestProgramHome final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void resolveOrder() {
        qputenv("VANTORO_HOME", "/tmp/from-environment");
        QCOMPARE(ProgramHome::resolve(QStringLiteral("/tmp/from-option")),
                 QStringLiteral("/tmp/from-option"));
        QCOMPARE(ProgramHome::resolve(), QStringLiteral("/tmp/from-environment"));
        qunsetenv("VANTORO_HOME");
        QVERIFY(ProgramHome::resolve().endsWith(QStringLiteral("Vantoro")) ||
                !ProgramHome::resolve().isEmpty());
    }

    void prepareMakesTheFolders() {
        TempHome scratch;
        ProgramHome home(scratch.path(QStringLiteral("new home")));
        home.prepare();
        QVERIFY(QDir(home.dataDir()).exists());
        QVERIFY(QDir(home.wheelsDir()).exists());
        QCOMPARE(home.settingsPath(), scratch.path(QStringLiteral("new home/vantoro.ini")));
    }

    void unusableHomeIsAClearError() {
        TempHome scratch;
        scratch.writeFile(QStringLiteral("plain-file"), "x");
        ProgramHome home(scratch.path(QStringLiteral("plain-file/home")));
        try {
            home.prepare();
            QFAIL("a home inside a file was accepted");
        } catch (const VantoroError& error) {
            QVERIFY2(error.message().contains(QStringLiteral("plain-file")), qPrintable(error.message()));
        }
    }

    void seedingNeverOverwrites() {
        TempHome scratch;
        const QString dir = scratch.path(QStringLiteral("home"));
        ProgramHome first(dir);
        first.prepare();
        QVERIFY(first.wasSeeded());
        QVERIFY(QFile::exists(dir + QStringLiteral("/data/CN649.DBF")));
        QCOMPARE(scratch.readFile(QStringLiteral("home/vantoro.ini")),
                 QByteArray("[GENERAL]\r\nLOTTERY=CN649.DBF\r\n"));
        // A home that already holds something is not seeded again.
        scratch.writeFile(QStringLiteral("home/vantoro.ini"), "[GENERAL]\nHOTCUTOFF=3\n");
        ProgramHome again(dir);
        again.prepare();
        QVERIFY(!again.wasSeeded());
        QCOMPARE(scratch.readFile(QStringLiteral("home/vantoro.ini")),
                 QByteArray("[GENERAL]\nHOTCUTOFF=3\n"));
    }
};

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Vantoro"));
    int status = 0;
    {
        TestSettingsFile settings;
        status |= QTest::qExec(&settings, argc, argv);
    }
    {
        TestProgramHome home;
        status |= QTest::qExec(&home, argc, argv);
    }
    return status;
}

#include "test_settings_file.moc"
