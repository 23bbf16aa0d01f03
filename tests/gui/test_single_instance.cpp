// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/single_instance.h"
#include "support/temp_home.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

class TestSingleInstance final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void namesFollowTheHome();
    void secondStartAsksTheFirst();
    void otherHomeIsNotDisturbed();
    void staleServerDoesNotBlock();
};

void TestSingleInstance::namesFollowTheHome() {
    TempHome one;
    TempHome two;
    QCOMPARE(SingleInstance::serverName(one.dir()),
             SingleInstance::serverName(one.dir() + QStringLiteral("/")));
    QCOMPARE(SingleInstance::serverName(one.dir()),
             SingleInstance::serverName(one.dir() + QStringLiteral("/data/..")));
    QVERIFY(SingleInstance::serverName(one.dir()) != SingleInstance::serverName(two.dir()));
    QVERIFY(!SingleInstance::serverName(one.dir()).contains(QLatin1Char('/')));
}

void TestSingleInstance::secondStartAsksTheFirst() {
    TempHome home;
    SingleInstance first(home.dir());
    QVERIFY(!first.notifyRunning(200));
    QVERIFY(first.listen());
    QSignalSpy asked(&first, &SingleInstance::activationRequested);

    SingleInstance second(home.dir());
    QVERIFY(second.notifyRunning());
    QTRY_COMPARE(asked.count(), 1);

    // And again: the first keeps listening.
    SingleInstance third(home.dir());
    QVERIFY(third.notifyRunning());
    QTRY_COMPARE(asked.count(), 2);
}

void TestSingleInstance::otherHomeIsNotDisturbed() {
    TempHome home;
    TempHome other;
    SingleInstance first(home.dir());
    QVERIFY(first.listen());
    QSignalSpy asked(&first, &SingleInstance::activationRequested);
    SingleInstance elsewhere(other.dir());
    QVERIFY(!elsewhere.notifyRunning(200));
    QVERIFY(elsewhere.listen());
    QTest::qWait(50);
    QCOMPARE(asked.count(), 0);
}

void TestSingleInstance::staleServerDoesNotBlock() {
    TempHome home;
    // What a crashed run leaves behind: the socket's name is taken but nobody answers.
    const QString leftover = QDir::temp().filePath(SingleInstance::serverName(home.dir()));
    QFile stale(leftover);
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.close();

    SingleInstance restarted(home.dir());
    QVERIFY(!restarted.notifyRunning(200));
    QVERIFY2(restarted.listen(), qPrintable(restarted.errorText()));
    QSignalSpy asked(&restarted, &SingleInstance::activationRequested);
    SingleInstance second(home.dir());
    QVERIFY(second.notifyRunning());
    QTRY_COMPARE(asked.count(), 1);
}

QTEST_MAIN(TestSingleInstance)
#include "test_single_instance.moc"
