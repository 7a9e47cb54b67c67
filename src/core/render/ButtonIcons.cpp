#include "ButtonIcons.h"

#include <QPainter>
#include <QPainterPath>

using namespace Qt::StringLiterals;

namespace {
// Light glyphs with a dark rim: they read on the dark backgrounds galleries mostly have and
// on light ones as well.
const QColor glyph(0xF2, 0xF2, 0xF2);
const QColor rim(0x30, 0x30, 0x30);

QImage blankIcon(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void prepare(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(rim, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(glyph);
}
} // namespace

const QImage &ButtonIcons::playPause()
{
    static const QImage icon = [] {
        QImage image = blankIcon(24, 24);
        QPainter p(&image);
        prepare(p);
        // A play triangle on the left, the two pause bars on the right.
        QPainterPath play;
        play.moveTo(2.5, 4.5);
        play.lineTo(12.5, 12.0);
        play.lineTo(2.5, 19.5);
        play.closeSubpath();
        p.drawPath(play);
        p.drawRoundedRect(QRectF(14.5, 4.5, 3, 15), 0.8, 0.8);
        p.drawRoundedRect(QRectF(19.5, 4.5, 3, 15), 0.8, 0.8);
        return image;
    }();
    return icon;
}

const QImage &ButtonIcons::sound()
{
    static const QImage icon = [] {
        QImage image = blankIcon(19, 22);
        QPainter p(&image);
        prepare(p);
        // A loudspeaker with two sound waves.
        QPainterPath speaker;
        speaker.moveTo(1.5, 8.0);
        speaker.lineTo(5.0, 8.0);
        speaker.lineTo(10.0, 3.5);
        speaker.lineTo(10.0, 18.5);
        speaker.lineTo(5.0, 14.0);
        speaker.lineTo(1.5, 14.0);
        speaker.closeSubpath();
        p.drawPath(speaker);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(glyph, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(8.5, 7.0, 5.0, 8.0), -60 * 16, 120 * 16);
        p.drawArc(QRectF(8.0, 3.5, 9.5, 15.0), -60 * 16, 120 * 16);
        return image;
    }();
    return icon;
}

const QImage &ButtonIcons::albums()
{
    static const QImage icon = [] {
        QImage image = blankIcon(24, 21);
        QPainter p(&image);
        prepare(p);
        // Three photos stacked: two fanned behind, the front one with a small landscape.
        p.save();
        p.translate(12, 10.5);
        p.rotate(-12);
        p.drawRect(QRectF(-9.5, -6.5, 16, 12));
        p.rotate(20);
        p.drawRect(QRectF(-7.5, -6.5, 16, 12));
        p.restore();
        p.drawRect(QRectF(3.5, 5.5, 16, 12));
        p.setPen(Qt::NoPen);
        p.setBrush(rim);
        QPainterPath hills;
        hills.moveTo(5.5, 16.0);
        hills.lineTo(10.0, 10.5);
        hills.lineTo(13.0, 13.5);
        hills.lineTo(15.0, 11.5);
        hills.lineTo(18.0, 16.0);
        hills.closeSubpath();
        p.drawPath(hills);
        p.drawEllipse(QPointF(15.5, 8.5), 1.3, 1.3);
        return image;
    }();
    return icon;
}

const QImage &ButtonIcons::forAction(const QString &action)
{
    static const QImage none;
    if (action == u"toggleplaypause")
        return playPause();
    if (action == u"togglesounds")
        return sound();
    if (action == u"showcatagories")
        return albums();
    return none;
}
