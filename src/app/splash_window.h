// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QWidget>

// The start-up picture: a borderless window exactly the size of its picture, centred on the
// screen. How long it stays is the start-up's business.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);
    // Shows the window centred and paints it at once, before the main window is built.
    void showSplash();
    QSize pictureSize() const { return m_picture.size(); }

private:
    QPixmap m_picture;
};
