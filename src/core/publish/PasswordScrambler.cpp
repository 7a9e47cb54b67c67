#include "PasswordScrambler.h"

#include <QByteArray>

#include <cctype>

namespace {

// A keystream that depends on the key and on the position, so that equal characters of a
// password do not show as equal bytes in the store.
QByteArray mix(const QByteArray &data, const QByteArray &key)
{
    QByteArray out(data.size(), '\0');
    quint32 state = 2166136261u;
    for (char k : key)
        state = (state ^ quint8(k)) * 16777619u;
    for (qsizetype i = 0; i < data.size(); ++i) {
        const quint8 k = key.isEmpty() ? 0 : quint8(key.at(i % key.size()));
        state = state * 1103515245u + 12345u + k;
        out[i] = char(quint8(data.at(i)) ^ quint8(state >> 16) ^ k);
    }
    return out;
}

} // namespace

QString cryptoFix(const QString &text, const QString &key, int mode)
{
    if (text.isEmpty())
        return {};
    const QByteArray keyBytes = key.toUtf8();
    if (mode == 1)
        return QString::fromLatin1(mix(text.toUtf8(), keyBytes).toHex().toUpper());

    const QByteArray stored = text.toLatin1();
    for (char c : stored) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return {};
    }
    if (stored.size() % 2 != 0)
        return {};
    return QString::fromUtf8(mix(QByteArray::fromHex(stored), keyBytes));
}
