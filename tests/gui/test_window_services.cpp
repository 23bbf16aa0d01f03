// SPDX-License-Identifier: GPL-3.0-or-later
// The services every window shares: the scripted modal seam the window tests stand on, and the
// command runner that shows the core's reason.
#include "db/vantoro_error.h"
#include "gui/modal.h"
#include "gui/run_command.h"
#include "support/scripted_modal.h"
#include "support/scripted_prompts.h"

#include <QDialog>
#include <QTest>

class TestWindowServices final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // However the answer ends, the dialog is closed and Modal::run returns what it ended with:
    // an answer that stops early (as a failed check inside it does) leaves it rejected.
    void scriptedDialogIsClosedWhateverTheAnswerDoes_data() {
        QTest::addColumn<int>("ending");
        QTest::addColumn<int>("expected");
        QTest::newRow("accepted") << 1 << int(QDialog::Accepted);
        QTest::newRow("rejected") << 2 << int(QDialog::Rejected);
        QTest::newRow("left open") << 0 << int(QDialog::Rejected);
        QTest::newRow("stopped early") << 3 << int(QDialog::Rejected);
    }
    void scriptedDialogIsClosedWhateverTheAnswerDoes() {
        QFETCH(int, ending);
        QFETCH(int, expected);
        QDialog dialog;
        dialog.setWindowTitle(QStringLiteral("Options"));
        bool wasShownModal = false;
        bool reachedTheEnd = false;
        ScriptedModal modal;
        modal.expect<QDialog>([&](QDialog* shown) {
            wasShownModal = shown->isVisible() && shown->isModal();
            if (ending == 3)
                return; // what QVERIFY does when its check fails
            if (ending == 1)
                shown->accept();
            else if (ending == 2)
                shown->reject();
            reachedTheEnd = true;
        });
        QCOMPARE(Modal::run(dialog), expected);
        QVERIFY(modal.allAnswered());
        QVERIFY(wasShownModal);
        QVERIFY(!dialog.isVisible());
        QVERIFY(!dialog.isModal()); // exec() leaves a dialog as it found it, and so does the script
        QCOMPARE(reachedTheEnd, ending != 3);
        QCOMPARE(modal.asked, QStringList{"Options"});
    }

    // A handler for every dialog decides the result itself, and the dialog is still closed.
    void everyDialogHandlerGivesTheResult() {
        QDialog first;
        QDialog second;
        ScriptedModal modal([&](QDialog& dialog) { return &dialog == &first ? 7 : int(QDialog::Rejected); });
        QCOMPARE(Modal::run(first), 7);
        QCOMPARE(Modal::run(second), int(QDialog::Rejected));
        QVERIFY(!first.isVisible() && !second.isVisible());
    }

    void runCommandShowsTheReason_data() {
        QTest::addColumn<QString>("windowMessage");
        QTest::addColumn<QString>("shown");
        QTest::newRow("reason alone") << QString() << QStringLiteral("Unable to write to X.DBF");
        QTest::newRow("after the window's message")
            << QStringLiteral("Could not create the Lotto file.")
            << QStringLiteral("Could not create the Lotto file. Unable to write to X.DBF");
    }
    void runCommandShowsTheReason() {
        QFETCH(QString, windowMessage);
        QFETCH(QString, shown);
        ScriptedPrompts prompts;
        bool after = false;
        const bool ran = gui::runCommand(
            nullptr,
            [&] {
                throw VantoroError(QStringLiteral("Unable to write to X.DBF"));
                after = true;
            },
            windowMessage);
        QVERIFY(!ran);
        QVERIFY(!after);
        QCOMPARE(prompts.errors, QStringList{shown});

        QVERIFY(gui::runCommand(
            nullptr, [&] { after = true; }, windowMessage));
        QVERIFY(after);
        QCOMPARE(prompts.shown.size(), 1);
    }
};

QTEST_MAIN(TestWindowServices)
#include "test_window_services.moc"
