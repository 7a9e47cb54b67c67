#include "ImageResizeSettings.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

const QStringList &ImageResizeSettings::chooserEntries()
{
    static const QStringList entries = {u"640 x 480 "_s, u"800 x 600 (default)"_s, u"1024 x 768"_s,
                                        u"1152 x 864"_s,  u"1280 x 800"_s,          u"1440 x 900"_s,
                                        u"NO RESIZE"_s};
    return entries;
}

QString ImageResizeSettings::noResizeEntry()
{
    return u"NO RESIZE"_s;
}

QString ImageResizeSettings::defaultEntry()
{
    return u"800 x 600 (default)"_s;
}

ImageResizeSettings::EntryEffect ImageResizeSettings::applyEntry(const QString &entry)
{
    if (entry.isEmpty())
        return EntryEffect::None;
    if (entry == noResizeEntry()) {
        resizeImages = false;
        return EntryEffect::NoResize;
    }
    static const QRegularExpression number(u"\\d+"_s);
    QList<int> numbers;
    for (auto it = number.globalMatch(entry); it.hasNext() && numbers.size() < 2;)
        numbers.append(it.next().captured().toInt());
    // The chooser's entries all hold two numbers; a text without them changes no bound.
    if (numbers.size() > 0)
        maxWidth = numbers[0];
    if (numbers.size() > 1)
        maxHeight = numbers[1];
    resizeImages = true;
    return EntryEffect::Resize;
}
