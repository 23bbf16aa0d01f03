// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/about_form.h"

#include "vantoro_version.h"

#include <QFile>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The picture carries the version of the build, not one drawn into the artwork.
QPixmap programPicture() {
    QFile file(QStringLiteral(":/pictures/about.svg"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray svg = file.readAll();
    svg.replace("@VERSION@", VANTORO_VERSION);
    return QPixmap::fromImage(QImage::fromData(svg, "SVG"));
}

} // namespace

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent), m_picture(programPicture()) {
    setObjectName(QStringLiteral("TAboutForm"));
    setWindowTitle(QStringLiteral("About Vantoro"));

    auto* picture = new QLabel;
    picture->setObjectName(QStringLiteral("ProgramIcon"));
    picture->setPixmap(m_picture);

    auto* okButton = new QPushButton(QStringLiteral("OK"));
    okButton->setObjectName(QStringLiteral("OKBtn"));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    // The button sits on the picture's lower right corner, so the dialog stays the picture's size.
    auto* overlay = new QVBoxLayout(picture);
    overlay->setContentsMargins(12, 12, 12, 12);
    overlay->addStretch();
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(okButton);
    overlay->addLayout(buttonRow);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture);
    setFixedSize(m_picture.size());
}

void TAboutForm::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        accept();
    QDialog::mousePressEvent(event);
}
