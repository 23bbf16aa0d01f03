// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cutoff_form.h"
#include "gui/help.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <limits>

namespace {
constexpr int Unbounded = std::numeric_limits<int>::max();
using Kind = TCutoffForm::Kind;
} // namespace

class TestCutoffForm final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void captions_data();
    void captions();
    void bounds_data();
    void bounds();
    void typedValues_data();
    void typedValues();
    void okIsDefaultAndSpinBoxHasFocus();
    void helpTopicsExist();
};

void TestCutoffForm::captions_data() {
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("label");
    QTest::newRow("drawing") << Kind::DrawingCutoff << "Drawing Cutoff"
                             << "Drawing Cutoff:";
    QTest::newRow("hot") << Kind::HotNumberCutoff << "Hot Number Cutoff"
                         << "Hot Number Cutoff:";
}

void TestCutoffForm::captions() {
    QFETCH(Kind, kind);
    QFETCH(QString, title);
    QFETCH(QString, label);
    TCutoffForm form(kind, 5, 30);
    QCOMPARE(form.windowTitle(), title);
    QVERIFY(form.findChild<QGroupBox*>(QStringLiteral("GroupBox1")));
    QCOMPARE(form.findChild<QLabel*>(QStringLiteral("Label1"))->text(), label);
    QCOMPARE(form.findChild<QPushButton*>(QStringLiteral("OKBtn"))->text(), QStringLiteral("OK"));
    QCOMPARE(form.findChild<QPushButton*>(QStringLiteral("CancelBtn"))->text(), QStringLiteral("Cancel"));
    QVERIFY(form.findChild<QPushButton*>(QStringLiteral("HelpBtn")));
    QCOMPARE(form.findChild<QSpinBox*>(QStringLiteral("SpinEdit1"))->value(), 5);
}

void TestCutoffForm::bounds_data() {
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("upper");
    QTest::newRow("hot, 5 drawings, cutoff 10: unbounded") << Kind::HotNumberCutoff << 10 << 5 << Unbounded;
    QTest::newRow("hot, drawings equal to the cutoff: unbounded")
        << Kind::HotNumberCutoff << 10 << 10 << Unbounded;
    QTest::newRow("hot, 30 drawings") << Kind::HotNumberCutoff << 10 << 30 << 30;
    QTest::newRow("hot, no drawings") << Kind::HotNumberCutoff << 10 << 0 << Unbounded;
    QTest::newRow("drawing, 30 drawings") << Kind::DrawingCutoff << 30 << 30 << 30;
    QTest::newRow("drawing, 120 drawings") << Kind::DrawingCutoff << 50 << 120 << 120;
    QTest::newRow("drawing, few drawings") << Kind::DrawingCutoff << 3 << 3 << 3;
    QTest::newRow("drawing, no drawings: unbounded") << Kind::DrawingCutoff << 0 << 0 << Unbounded;
}

void TestCutoffForm::bounds() {
    QFETCH(Kind, kind);
    QFETCH(int, value);
    QFETCH(int, total);
    QFETCH(int, upper);
    TCutoffForm form(kind, value, total);
    QCOMPARE(form.lowerBound(), 0);
    QCOMPARE(form.upperBound(), upper);
    QCOMPARE(form.value(), value);
}

void TestCutoffForm::typedValues_data() {
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("total");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("expected");
    QTest::newRow("unbounded hot box takes a large value") << Kind::HotNumberCutoff << 5 << "500" << 500;
    QTest::newRow("unbounded hot box refuses the minus sign") << Kind::HotNumberCutoff << 5 << "-7" << 7;
    QTest::newRow("unbounded drawing box refuses the minus sign") << Kind::DrawingCutoff << 0 << "-3" << 3;
    QTest::newRow("bounded box keeps to its upper bound") << Kind::DrawingCutoff << 30 << "99" << 30;
    QTest::newRow("bounded box inside its range") << Kind::DrawingCutoff << 120 << "80" << 80;
    QTest::newRow("empty text reads as the lower bound") << Kind::HotNumberCutoff << 30 << "" << 0;
    QTest::newRow("only a sign reads as the lower bound") << Kind::HotNumberCutoff << 5 << "-" << 0;
}

void TestCutoffForm::typedValues() {
    QFETCH(Kind, kind);
    QFETCH(int, total);
    QFETCH(QString, typed);
    QFETCH(int, expected);
    TCutoffForm form(kind, 10, total);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* spin = form.findChild<QSpinBox*>(QStringLiteral("SpinEdit1"));
    QLineEdit* edit = spin->findChild<QLineEdit*>();
    spin->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, typed);
    QCOMPARE(form.value(), expected);
    QVERIFY(form.value() >= 0);
}

void TestCutoffForm::okIsDefaultAndSpinBoxHasFocus() {
    TCutoffForm form(Kind::DrawingCutoff, 10, 30);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QVERIFY(form.findChild<QPushButton*>(QStringLiteral("OKBtn"))->isDefault());
    QTRY_VERIFY(form.findChild<QSpinBox*>(QStringLiteral("SpinEdit1"))->hasFocus());
    // Enter in the box presses OK.
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(form.value(), 7);
}

void TestCutoffForm::helpTopicsExist() {
    // The two dialogs' Help buttons and the Delete Drawing File dialog open these pages.
    for (int topic : {143, 144, 122})
        QVERIFY2(Help::hasTopic(topic), qPrintable(QString::number(topic)));
}

QTEST_MAIN(TestCutoffForm)
#include "test_cutoff_form.moc"
