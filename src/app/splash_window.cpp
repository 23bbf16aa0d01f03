// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/splash_window.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      m_picture(QStringLiteral(":/pictures/splash.svg")) {
    setObjectName(QStringLiteral("SplashWindow"));
    setWindowTitle(QStringLiteral("Vantoro"));
    auto* picture = new QLabel;
    picture->setObjectName(QStringLiteral("Picture"));
    picture->setPixmap(m_picture);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture);
    setFixedSize(m_picture.size());
}

void SplashWindow::showSplash() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    show();
    raise();
    repaint();
}
