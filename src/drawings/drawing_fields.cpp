// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawings/drawing_fields.h"

#include <algorithm>

DrawingFields::DrawingFields(const QStringList& texts) {
    for (const QString& text : texts)
        append(QUtf8StringView(text.toUtf8()));
}

QByteArrayView DrawingFields::bytes() const {
    if (const Short* inside = std::get_if<Short>(&m_bytes))
        return QByteArrayView(inside->bytes.data(), inside->size);
    return std::get<QByteArray>(m_bytes);
}

void DrawingFields::setBytes(QByteArrayView bytes) {
    if (bytes.size() <= qsizetype(std::tuple_size_v<decltype(Short::bytes)>)) {
        Short inside{};
        inside.size = quint8(bytes.size());
        std::copy(bytes.begin(), bytes.end(), inside.bytes.begin());
        m_bytes = inside;
    } else {
        m_bytes = bytes.toByteArray();
    }
}

qsizetype DrawingFields::size() const {
    const QByteArrayView all = bytes();
    return std::count(all.begin(), all.end(), End);
}

QUtf8StringView DrawingFields::view(qsizetype i) const {
    const QByteArrayView all = bytes();
    qsizetype start = 0;
    for (qsizetype at = 0; at < all.size(); ++at) {
        if (all[at] != End)
            continue;
        if (i-- == 0)
            return QUtf8StringView(all.data() + start, at - start);
        start = at + 1;
    }
    return {};
}

QString DrawingFields::at(qsizetype i) const {
    Q_ASSERT(i >= 0 && i < size());
    return view(i).toString();
}

QStringList DrawingFields::toList() const {
    QStringList texts;
    const QByteArrayView all = bytes();
    for (qsizetype start = 0; start < all.size();) {
        const qsizetype end = all.indexOf(End, start);
        texts << QUtf8StringView(all.data() + start, end - start).toString();
        start = end + 1;
    }
    return texts;
}

QString DrawingFields::join(QChar separator) const {
    return toList().join(separator);
}

void DrawingFields::append(QUtf8StringView text) {
    if (Short* inside = std::get_if<Short>(&m_bytes);
        inside && inside->size + text.size() + 1 <= qsizetype(inside->bytes.size())) {
        std::copy(text.data(), text.data() + text.size(), inside->bytes.begin() + inside->size);
        inside->size = quint8(inside->size + text.size());
        inside->bytes[inside->size++] = End;
        return;
    }
    QByteArray all = bytes().toByteArray();
    all.append(text.data(), text.size());
    all.append(End);
    setBytes(all);
}

void DrawingFields::replace(qsizetype i, const QString& text) {
    QStringList texts = toList();
    texts[i] = text;
    *this = DrawingFields(texts);
}

DrawingFields::Field& DrawingFields::Field::operator=(const QString& text) {
    m_fields.replace(m_index, text);
    return *this;
}

DrawingFields::Field::operator QString() const {
    return m_fields.at(m_index);
}
