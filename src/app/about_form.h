// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPixmap>

// "About Vantoro": the program picture, in a dialog exactly its size; a click, Esc or OK closes it.
class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* parent = nullptr);
    QSize pictureSize() const { return m_picture.size(); }

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QPixmap m_picture;
};
