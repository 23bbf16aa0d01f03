// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QListWidget;
class QPushButton;

// The wheel chooser of the main window's edit and delete commands: one wheel list entry per file
// of the folder that matches the pattern, in file-name order, the first selected.
class TOpenWheelForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int HelpTopic = 131;

    TOpenWheelForm(const QString& wheelsDir, const QString& pattern, QWidget* parent = nullptr);

    void setLabel(const QString& text);
    // The file behind the selected entry (full path); empty when the list is empty.
    QString selectedFile() const;
    const QStringList& fileNames() const { return m_fileNames; }

private:
    void OKBtnClick();
    void HelpBtnClick();

    QString m_dir;
    // What the hidden directory lister holds: the names behind the entries, in the same order.
    QStringList m_fileNames;
    QLabel* Label1 = nullptr;
    QListWidget* WheelList = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* HelpBtn = nullptr;
};
