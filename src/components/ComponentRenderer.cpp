#include "ComponentRenderer.h"

#include "ButtonIcons.h"
#include "FflashButtonClass.h"
#include "FflashComponentBaseClass.h"
#include "FflashImageDisplay.h"
#include "FflashThumbnailerClass.h"
#include "gallery/FflashMovie.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>

void ComponentRenderer::PaintCanvas(QPainter &painter, const FflashMovie &gallery)
{
    PaintGallery(painter, gallery);
    for (const FflashObjectBaseClass *object : gallery.ZOrder()) {
        const auto *component = qobject_cast<const FflashComponentBaseClass *>(object);
        if (!component || !component->Visible() || component->Width() <= 0 || component->Height() <= 0)
            continue;
        painter.save();
        painter.translate(component->Left(), component->Top());
        painter.setClipRect(0, 0, component->Width(), component->Height(), Qt::IntersectClip);
        PaintComponent(painter, *component);
        painter.restore();
    }
}

void ComponentRenderer::PaintGallery(QPainter &painter, const FflashMovie &gallery)
{
    const int w = qMax(0, gallery.Width());
    const int h = qMax(0, gallery.Height());
    if (m_drawBuffer.size() != QSize(w, h))
        m_drawBuffer = QImage(w, h, QImage::Format_RGB32);
    if (m_drawBuffer.isNull())
        return;
    // Whatever no step below covers shows white, like a fresh bitmap.
    m_drawBuffer.fill(Qt::white);
    {
        QPainter p(&m_drawBuffer);
        if (gallery.BackgroundSolid() && !gallery.BackgroundGradient())
            p.fillRect(0, 0, w, h, ToQColor(gallery.FillColor()));
        if (gallery.BackgroundGradient())
            PaintGradient(p, w, h, gallery.FillColor(), gallery.GradientColor());
        if (gallery.BackgroundImageOn() && !gallery.BackgroundImage().isNull())
            p.drawImage(0, 0, gallery.BackgroundImage());
        if (gallery.BorderOn())
            PaintOutline(p, w, h, gallery.BorderColor(), gallery.BorderSolid());
    }
    painter.drawImage(0, 0, m_drawBuffer);
}

void ComponentRenderer::PaintComponent(QPainter &painter, const FflashComponentBaseClass &component) const
{
    PaintStyledBase(painter, component);
    if (const auto *button = qobject_cast<const FflashButtonClass *>(&component))
        PaintButton(painter, *button);
    else if (const auto *display = qobject_cast<const FflashImageDisplay *>(&component))
        PaintImageDisplay(painter, *display);
    else if (const auto *strip = qobject_cast<const FflashThumbnailerClass *>(&component))
        PaintThumbnailStrip(painter, *strip);
    // The frame lies over everything the component painted.
    if (component.Selected())
        PaintSelectionFrame(painter, component.Width(), component.Height());
}

void ComponentRenderer::PaintStyledBase(QPainter &painter, const FflashComponentBaseClass &component) const
{
    const int w = component.Width();
    const int h = component.Height();
    if (component.ShowThrough()) {
        // The gallery's own background, not the components that lie underneath.
        painter.fillRect(0, 0, w, h, Qt::white);
        if (!m_drawBuffer.isNull())
            painter.drawImage(QPoint(-component.Left(), -component.Top()), m_drawBuffer);
    }
    if (component.SolidFill() && !component.GradientFill())
        painter.fillRect(0, 0, w, h, ToQColor(component.FillColor()));
    if (component.GradientFill())
        PaintGradient(painter, w, h, component.FillColor(), component.GradientColor());
    if (component.PictureFill() && !component.PreviewPicture().isNull())
        painter.drawImage(0, 0, component.PreviewPicture());
    if (component.ShowBorder())
        PaintOutline(painter, w, h, component.BorderColor(), component.BorderSolid());
}

void ComponentRenderer::PaintButton(QPainter &painter, const FflashButtonClass &button)
{
    if (button.ShowText()) {
        painter.save();
        painter.setFont(button.PreviewFont());
        painter.setPen(ToQColor(button.FontColor()));
        painter.setBrush(Qt::NoBrush);
        const QFontMetrics metrics(button.PreviewFont());
        const QString text = button.Text();
        const int tw = metrics.horizontalAdvance(text);
        const int th = metrics.height();
        const int x = (button.Width() - tw) / 2 + 1;
        const int y = (button.Height() - th) / 2 + 1;
        painter.drawText(QRect(x, y, tw, th), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
        painter.restore();
        return;
    }
    const QImage &builtIn = ButtonIcons::ForAction(button.Action());
    if (builtIn.isNull())
        return;
    if (!button.OnIconName().isEmpty())
        painter.drawImage(2, 2, button.IconPicture());
    else
        painter.drawImage(2, 2, builtIn);
}

QColor ComponentRenderer::PictureViewBackground()
{
    return QColor(0x2E, 0x2E, 0x2E);
}

void ComponentRenderer::PaintImageDisplay(QPainter &painter, const FflashImageDisplay &display)
{
    const QRect view = display.PictureViewRect();
    if (view.width() <= 0 || view.height() <= 0)
        return;
    painter.fillRect(view, PictureViewBackground());
    const QImage &photo = display.Picture();
    if (photo.isNull())
        return;
    // Enlarged or reduced to fit, keeping its proportions, centred in the view.
    const QSize fitted = photo.size().scaled(view.size(), Qt::KeepAspectRatio);
    const QRect target(view.x() + (view.width() - fitted.width()) / 2,
                       view.y() + (view.height() - fitted.height()) / 2, fitted.width(), fitted.height());
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, photo);
    painter.restore();
}

void ComponentRenderer::PaintThumbnailStrip(QPainter &painter, const FflashThumbnailerClass &strip)
{
    const int cw = strip.ThumbWidth();
    const int ch = strip.ThumbHeight();
    if (cw <= 0 || ch <= 0)
        return;
    // A cell with neither fill nor gradient lets the strip's background show.
    QImage cell(cw, ch, QImage::Format_ARGB32_Premultiplied);
    cell.fill(Qt::transparent);
    {
        QPainter p(&cell);
        if (strip.ThumbFill() && !strip.ThumbGradient())
            p.fillRect(0, 0, cw, ch, ToQColor(strip.ThumbFillColor()));
        if (strip.ThumbGradient())
            PaintGradient(p, cw, ch, strip.ThumbFillColor(), strip.ThumbGradientColor());
        if (strip.ThumbBorder())
            PaintOutline(p, cw, ch, strip.ThumbBorderColor(), strip.ThumbBorderSolid());
    }
    const int offset = strip.ThumbOffset();
    const int pw = strip.ThumbImageWidth();
    const int ph = strip.ThumbImageHeight();
    int x = offset;
    const auto &preview = strip.Preview();
    for (int i = 0; i < FflashThumbnailerClass::PreviewCells; ++i) {
        painter.drawImage(x, offset, cell);
        const QImage &picture = preview[size_t(i)].picture;
        const QRect box = strip.ThumbBorder()
            ? QRect(x + strip.ThumbImageX(), offset + strip.ThumbImageY(), pw, ph)
            : QRect(x, offset, pw + 2, ph + 2);
        if (!picture.isNull() && box.width() > 0 && box.height() > 0)
            painter.drawImage(box, picture); // stretched, proportions not kept
        x += cw + strip.ThumbSpacing();
    }
}

void ComponentRenderer::PaintGradient(QPainter &painter, int width, int height, FColor fillColor,
                                      FColor gradientColor)
{
    if (width <= 0 || height <= 0)
        return;
    if (ResolveColor(fillColor) == ResolveColor(gradientColor)) {
        painter.fillRect(0, 0, width, height, ToQColor(fillColor));
        return;
    }
    // A vector perpendicular to the bottom-left to top-right diagonal, long enough that the
    // bottom-right corner lies at its end: the colour then depends on x / W + y / H only.
    const double w = width;
    const double h = height;
    const double k = 2.0 * w * h / (w * w + h * h);
    QLinearGradient gradient(0.0, 0.0, k * h, k * w);
    gradient.setColorAt(0.0, ToQColor(gradientColor));
    gradient.setColorAt(1.0, ToQColor(fillColor));
    painter.fillRect(0, 0, width, height, gradient);
}

void ComponentRenderer::PaintOutline(QPainter &painter, int width, int height, FColor color, bool solid)
{
    if (width <= 0 || height <= 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(ToQColor(color), 0, solid ? Qt::SolidLine : Qt::DotLine);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.setBackgroundMode(Qt::TransparentMode);
    const QPoint outline[] = {QPoint(0, height), QPoint(0, 0), QPoint(width - 1, 0),
                              QPoint(width - 1, height - 1), QPoint(0, height - 1)};
    painter.drawPolyline(outline, 5);
    // The pen goes back to solid for whatever is drawn next.
    painter.restore();
}

void ComponentRenderer::PaintSelectionFrame(QPainter &painter, int width, int height)
{
    if (width <= 0 || height <= 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setBackgroundMode(Qt::TransparentMode);
    const QRect frame(0, 0, width, height); // drawRect covers width - 1 by height - 1 inclusive
    painter.setPen(QPen(Qt::white, 0, Qt::SolidLine));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.setPen(QPen(Qt::red, 0, Qt::DotLine));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.restore();
}

QImage ComponentRenderer::RenderGallery(const FflashMovie &gallery)
{
    QImage image(qMax(1, gallery.Width()), qMax(1, gallery.Height()), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    ComponentRenderer renderer;
    renderer.PaintCanvas(painter, gallery);
    return image;
}
