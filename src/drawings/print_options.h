// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The drawing-range dialog: all drawings or positions From..To. One window for the whole run,
// shared by the drawing list ("Print Options") and the drawing search ("Search Drawings Options").
class TPrintOptions final : public QDialog {
    Q_OBJECT
public:
    explicit TPrintOptions(QWidget* parent = nullptr);

    // The help contexts of AllButton, RangeButton, FromText, ToText, OKBtn and CancelBtn, in that order.
    using Contexts = std::array<int, 6>;
    // What the caller sets before showing it: caption, help contexts, the help topic of its Help
    // button, and the record count that "All" stands for.
    void prepare(const QString& caption, const Contexts& contexts, int helpTopic, int recordCount);

    // The positions typed, read as whole numbers (0 when a field holds none).
    int fromPosition() const;
    int toPosition() const;
    int helpTopic() const { return m_helpTopic; }

    // Every time it is shown: From 1, To the record count, "All" checked.
    void FormActivate();

    QGroupBox* GroupBox1;
    QRadioButton* AllButton;
    QRadioButton* RangeButton;
    QLabel* FromLabel;
    QLineEdit* FromText;
    QLabel* ToLabel;
    QLineEdit* ToText;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QPushButton* HelpBtn;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void AllButtonClick();
    void RangeButtonClick();
    void HelpBtnClick();

    int m_recordCount = 0;
    int m_helpTopic = 146;
};
