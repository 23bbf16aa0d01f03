// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QUtf8StringView>
#include <array>
#include <variant>

// The field texts of an imported drawing, read like the list they are made from. An import holds
// every drawing of the file until it is written, so the texts share one small block (in the object
// itself for up to seven two-digit numbers) instead of costing a string each.
class DrawingFields {
public:
    DrawingFields() = default;
    DrawingFields(const QStringList& texts); // NOLINT(google-explicit-constructor): a list reads as one

    qsizetype size() const;
    bool isEmpty() const { return size() == 0; }
    QString at(qsizetype i) const;
    QUtf8StringView view(qsizetype i) const; // valid while the fields are unchanged
    QString join(QChar separator) const;
    QStringList toList() const;
    void append(QUtf8StringView text);
    void replace(qsizetype i, const QString& text);

    // fields[i] = text, as on a list.
    class Field {
    public:
        Field& operator=(const QString& text);
        operator QString() const; // NOLINT(google-explicit-constructor)

    private:
        friend class DrawingFields;
        Field(DrawingFields& fields, qsizetype i) : m_fields(fields), m_index(i) {}
        DrawingFields& m_fields;
        qsizetype m_index;
    };
    Field operator[](qsizetype i) { return {*this, i}; }
    QString operator[](qsizetype i) const { return at(i); }

    bool operator==(const DrawingFields& other) const { return bytes() == other.bytes(); }

private:
    // Each text in UTF-8 followed by 0xFF, a byte UTF-8 never uses.
    static constexpr char End = char(0xFF);
    struct Short {
        quint8 size;
        std::array<char, 23> bytes;
    };
    QByteArrayView bytes() const;
    void setBytes(QByteArrayView bytes);
    std::variant<Short, QByteArray> m_bytes{Short{}};
};
