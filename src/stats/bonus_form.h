// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QPushButton;

// "Bonus Number Options": which numbers the statistics charts read. Created once at start-up
// and kept for the whole run; the main window puts it back to the first item before every chart
// that reads it, so a choice lasts only while that chart is open.
class BonusForm : public QDialog {
    Q_OBJECT
public:
    enum Item { RegularOnly = 0, RegularAndBonus = 1, BonusOnly = 2 };

    explicit BonusForm(QWidget* parent = nullptr);

    // The chosen item: 0 "Use Regular Numbers Only", 1 "Use Regular and Bonus Numbers",
    // 2 "Use Bonus Numbers Only".
    int itemIndex() const;
    void setItemIndex(int index);

private:
    void CloseBtnClick();
    void HelpBtnClick();

    QGroupBox* m_radioGroup = nullptr;
    QButtonGroup* m_items = nullptr;
    QPushButton* m_closeBtn = nullptr;
    QPushButton* m_helpBtn = nullptr;
};
