// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawings/list_box_horz.h"

#include <QEvent>
#include <QScrollBar>

TListBoxHorz::TListBoxHorz(QWidget* parent) : QListWidget(parent) {
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setUniformItemSizes(true);
}

int TListBoxHorz::widthOf(const QString& text) const {
    return fontMetrics().horizontalAdvance(text + QLatin1Char('X'));
}

void TListBoxHorz::addLine(const QString& text) {
    addItem(text);
    m_extent = qMax(m_extent, widthOf(text));
    applyExtent();
}

void TListBoxHorz::insertLine(int row, const QString& text) {
    insertItem(row, text);
    m_extent = qMax(m_extent, widthOf(text));
    applyExtent();
}

void TListBoxHorz::removeLine(int row) {
    delete takeItem(row);
    measureAll();
}

void TListBoxHorz::clearLines() {
    clear();
    m_extent = 0;
    applyExtent();
}

QStringList TListBoxHorz::lines() const {
    QStringList texts;
    for (int i = 0; i < count(); ++i)
        texts << item(i)->text();
    return texts;
}

void TListBoxHorz::measureAll() {
    m_extent = 0;
    for (int i = 0; i < count(); ++i)
        m_extent = qMax(m_extent, widthOf(item(i)->text()));
    applyExtent();
}

void TListBoxHorz::changeEvent(QEvent* event) {
    QListWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        measureAll();
}

void TListBoxHorz::updateGeometries() {
    QListWidget::updateGeometries();
    applyExtent();
}

void TListBoxHorz::applyExtent() {
    // The list's own idea of its width is replaced by the measured extent.
    QScrollBar* bar = horizontalScrollBar();
    bar->setRange(0, qMax(0, m_extent - viewport()->width()));
    bar->setPageStep(viewport()->width());
}
