#include "ComponentRenderer.h"

#include "ButtonIcons.h"
#include "GalleryButton.h"
#include "StyledComponent.h"
#include "ImageDisplay.h"
#include "ThumbnailStrip.h"
#include "GalleryDocument.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>

void ComponentRenderer::paintCanvas(QPainter &painter, const GalleryDocument &gallery)
{
    paintGallery(painter, gallery);
    for (const CanvasObject *object : gallery.zOrder()) {
        const auto *component = qobject_cast<const StyledComponent *>(object);
        if (!component || !component->visible() || component->width() <= 0 || component->height() <= 0)
            continue;
        painter.save();
        painter.translate(component->left(), component->top());
        painter.setClipRect(0, 0, component->width(), component->height(), Qt::IntersectClip);
        paintComponent(painter, *component);
        painter.restore();
    }
}

void ComponentRenderer::paintGallery(QPainter &painter, const GalleryDocument &gallery)
{
    const int w = qMax(0, gallery.width());
    const int h = qMax(0, gallery.height());
    if (m_drawBuffer.size() != QSize(w, h))
        m_drawBuffer = QImage(w, h, QImage::Format_RGB32);
    if (m_drawBuffer.isNull())
        return;
    // Whatever no step below covers shows white, like a fresh bitmap.
    m_drawBuffer.fill(Qt::white);
    {
        QPainter p(&m_drawBuffer);
        if (gallery.backgroundSolid() && !gallery.backgroundGradient())
            p.fillRect(0, 0, w, h, toQColor(gallery.fillColor()));
        if (gallery.backgroundGradient())
            paintGradient(p, w, h, gallery.fillColor(), gallery.gradientColor());
        if (gallery.backgroundImageOn() && !gallery.backgroundImage().isNull())
            p.drawImage(0, 0, gallery.backgroundImage());
        if (gallery.borderOn())
            paintOutline(p, w, h, gallery.borderColor(), gallery.borderSolid());
    }
    painter.drawImage(0, 0, m_drawBuffer);
}

void ComponentRenderer::paintComponent(QPainter &painter, const StyledComponent &component) const
{
    paintStyledBase(painter, component);
    if (const auto *button = qobject_cast<const GalleryButton *>(&component))
        paintButton(painter, *button);
    else if (const auto *display = qobject_cast<const ImageDisplay *>(&component))
        paintImageDisplay(painter, *display);
    else if (const auto *strip = qobject_cast<const ThumbnailStrip *>(&component))
        paintThumbnailStrip(painter, *strip);
    // The frame lies over everything the component painted.
    if (component.selected())
        paintSelectionFrame(painter, component.width(), component.height());
}

void ComponentRenderer::paintStyledBase(QPainter &painter, const StyledComponent &component) const
{
    const int w = component.width();
    const int h = component.height();
    if (component.showThrough()) {
        // The gallery's own background, not the components that lie underneath.
        painter.fillRect(0, 0, w, h, Qt::white);
        if (!m_drawBuffer.isNull())
            painter.drawImage(QPoint(-component.left(), -component.top()), m_drawBuffer);
    }
    if (component.solidFill() && !component.gradientFill())
        painter.fillRect(0, 0, w, h, toQColor(component.fillColor()));
    if (component.gradientFill())
        paintGradient(painter, w, h, component.fillColor(), component.gradientColor());
    if (component.pictureFill() && !component.previewPicture().isNull())
        painter.drawImage(0, 0, component.previewPicture());
    if (component.showBorder())
        paintOutline(painter, w, h, component.borderColor(), component.borderSolid());
}

void ComponentRenderer::paintButton(QPainter &painter, const GalleryButton &button)
{
    if (button.showText()) {
        painter.save();
        painter.setFont(button.previewFont());
        painter.setPen(toQColor(button.fontColor()));
        painter.setBrush(Qt::NoBrush);
        const QFontMetrics metrics(button.previewFont());
        const QString text = button.text();
        const int tw = metrics.horizontalAdvance(text);
        const int th = metrics.height();
        const int x = (button.width() - tw) / 2 + 1;
        const int y = (button.height() - th) / 2 + 1;
        painter.drawText(QRect(x, y, tw, th), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
        painter.restore();
        return;
    }
    const QImage &builtIn = ButtonIcons::forAction(button.action());
    if (builtIn.isNull())
        return;
    if (!button.onIconName().isEmpty())
        painter.drawImage(2, 2, button.iconPicture());
    else
        painter.drawImage(2, 2, builtIn);
}

QColor ComponentRenderer::pictureViewBackground()
{
    return QColor(0x2E, 0x2E, 0x2E);
}

void ComponentRenderer::paintImageDisplay(QPainter &painter, const ImageDisplay &display)
{
    const QRect view = display.pictureViewRect();
    if (view.width() <= 0 || view.height() <= 0)
        return;
    painter.fillRect(view, pictureViewBackground());
    const QImage &photo = display.picture();
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

void ComponentRenderer::paintThumbnailStrip(QPainter &painter, const ThumbnailStrip &strip)
{
    const int cw = strip.thumbWidth();
    const int ch = strip.thumbHeight();
    if (cw <= 0 || ch <= 0)
        return;
    // A cell with neither fill nor gradient lets the strip's background show.
    QImage cell(cw, ch, QImage::Format_ARGB32_Premultiplied);
    cell.fill(Qt::transparent);
    {
        QPainter p(&cell);
        if (strip.thumbFill() && !strip.thumbGradient())
            p.fillRect(0, 0, cw, ch, toQColor(strip.thumbFillColor()));
        if (strip.thumbGradient())
            paintGradient(p, cw, ch, strip.thumbFillColor(), strip.thumbGradientColor());
        if (strip.thumbBorder())
            paintOutline(p, cw, ch, strip.thumbBorderColor(), strip.thumbBorderSolid());
    }
    const int offset = strip.thumbOffset();
    const int pw = strip.thumbImageWidth();
    const int ph = strip.thumbImageHeight();
    int x = offset;
    const auto &preview = strip.preview();
    for (int i = 0; i < ThumbnailStrip::PreviewCells; ++i) {
        painter.drawImage(x, offset, cell);
        const QImage &picture = preview[size_t(i)].picture;
        const QRect box = strip.thumbBorder()
            ? QRect(x + strip.thumbImageX(), offset + strip.thumbImageY(), pw, ph)
            : QRect(x, offset, pw + 2, ph + 2);
        if (!picture.isNull() && box.width() > 0 && box.height() > 0)
            painter.drawImage(box, picture); // stretched, proportions not kept
        x += cw + strip.thumbSpacing();
    }
}

void ComponentRenderer::paintGradient(QPainter &painter, int width, int height, PackedColor fillColor,
                                      PackedColor gradientColor)
{
    if (width <= 0 || height <= 0)
        return;
    if (resolveColor(fillColor) == resolveColor(gradientColor)) {
        painter.fillRect(0, 0, width, height, toQColor(fillColor));
        return;
    }
    // A vector perpendicular to the bottom-left to top-right diagonal, long enough that the
    // bottom-right corner lies at its end: the colour then depends on x / W + y / H only.
    const double w = width;
    const double h = height;
    const double k = 2.0 * w * h / (w * w + h * h);
    QLinearGradient gradient(0.0, 0.0, k * h, k * w);
    gradient.setColorAt(0.0, toQColor(gradientColor));
    gradient.setColorAt(1.0, toQColor(fillColor));
    painter.fillRect(0, 0, width, height, gradient);
}

void ComponentRenderer::paintOutline(QPainter &painter, int width, int height, PackedColor color, bool solid)
{
    if (width <= 0 || height <= 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(toQColor(color), 0, solid ? Qt::SolidLine : Qt::DotLine);
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

void ComponentRenderer::paintSelectionFrame(QPainter &painter, int width, int height)
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

QImage ComponentRenderer::renderGallery(const GalleryDocument &gallery)
{
    QImage image(qMax(1, gallery.width()), qMax(1, gallery.height()), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    ComponentRenderer renderer;
    renderer.paintCanvas(painter, gallery);
    return image;
}
