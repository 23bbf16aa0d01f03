// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>

// A list box that scrolls sideways as far as its widest line: the horizontal extent is the pixel
// width of the widest line followed by one "X" in the list's font. Adding or inserting a line
// widens it when the line is wider; removing a line or changing the font measures all lines
// again; clearing sets it to 0.
class TListBoxHorz final : public QListWidget {
    Q_OBJECT
public:
    explicit TListBoxHorz(QWidget* parent = nullptr);

    void addLine(const QString& text);
    void insertLine(int row, const QString& text);
    void removeLine(int row);
    void clearLines();
    QStringList lines() const;

    int horizontalExtent() const { return m_extent; }

protected:
    void changeEvent(QEvent* event) override;
    void updateGeometries() override;

private:
    int widthOf(const QString& text) const;
    void measureAll();
    void applyExtent();

    int m_extent = 0;
};
