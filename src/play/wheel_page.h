// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QWidget>

struct LotteryDefinition;
class QGroupBox;
class QListWidget;
class QRadioButton;

// The "Select Wheeling System" page of the random, favourite and smart number generators: the wheel
// type and the wheels of that type that fit the lottery's tickets.
class TWheelPage : public QWidget {
    Q_OBJECT
public:
    TWheelPage(const QString& wheelsDir, const LotteryDefinition& lottery, QWidget* parent = nullptr);

    // Whether any wheel of a type the lottery may play is in the folder: without one the generators
    // offer only the player's own tickets.
    static bool wheelsAvailable(const QString& wheelsDir, const LotteryDefinition& lottery);
    // "*.f06" or "*.a06" for the type.
    static QString pattern(bool full, const LotteryDefinition& lottery);

    bool fullChosen() const;
    // The file behind the selected entry (full path); empty when the list is empty.
    QString selectedFile() const;
    const QStringList& fileNames() const { return m_fileNames; }

private:
    void WheelTypeClick();

    QString m_dir;
    QString m_code;
    QStringList m_fileNames;
    QGroupBox* WheelType = nullptr;
    QRadioButton* FullBtn = nullptr;
    QRadioButton* AbbreviatedBtn = nullptr;
    QListWidget* WheelList = nullptr;
};
