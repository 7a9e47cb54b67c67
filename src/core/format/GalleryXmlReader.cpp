#include "GalleryXmlReader.h"

#include "AlbumMenuStyle.h"
#include "Album.h"
#include "AlbumMenuBackground.h"
#include "AlbumPhoto.h"
#include "ImageResizeSettings.h"
#include "Errors.h"
#include "Utils.h"
#include "GalleryButton.h"
#include "ImageDisplay.h"
#include "ThumbnailStrip.h"

#include <QDomDocument>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

bool GalleryXmlReader::flag(const QDomElement &e, const QString &name)
{
    return readXmlAttr(e, name).toLower() == u"t"_s;
}

int GalleryXmlReader::intAttribute(const QDomElement &e, const QString &name, int fallback)
{
    return readXmlIntAttr(e, name, fallback);
}

template <typename Setter>
void GalleryXmlReader::color(const QDomElement &e, const QString &name, Setter set)
{
    const QString text = readXmlAttr(e, name);
    if (!text.isEmpty())
        set(hexTextToColor(text));
}

QString GalleryXmlReader::resolve(const QString &value) const
{
    return m_gallery.getFolder() + value;
}

GalleryLoadReport GalleryXmlReader::load(const QString &path)
{
    GalleryLoadReport report;
    if (!QFileInfo(path).isFile()) {
        report.recognised = true; // a file that is not there is not reported
        return report;
    }
    ImageResizeSettings &resize = ImageResizeSettings::instance();
    const bool resizeImages = resize.resizeImages;
    resize.resizeImages = false;

    m_gallery.setBaseNameFromFileName(fileBaseName(path));
    m_gallery.setFolderFromPath(includeTrailingSlash(QFileInfo(path).absolutePath()));
    try {
        readDocument(path, report);
    } catch (const FotoviaError &e) {
        report.error = e.message();
    }
    resize.resizeImages = resizeImages;
    finish();
    return report;
}

void GalleryXmlReader::readDocument(const QString &path, GalleryLoadReport &report)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw InOutError(u"Could not read %1: %2"_s.arg(path, file.errorString()));
    QDomDocument document;
    QString message;
    int line = 0;
    int column = 0;
    if (!document.setContent(&file, &message, &line, &column))
        throw ConvertError(u"%1 (line %2, column %3)"_s.arg(message).arg(line).arg(column));

    for (QDomNode node = document.firstChild(); !node.isNull(); node = node.nextSibling()) {
        if (node.nodeName() != u"pelliconimagegallery"_s)
            continue;
        report.recognised = true;
        m_gallery.albumsButton()->setVisible(false);
        m_gallery.playButton()->setVisible(false);
        m_gallery.soundsButton()->setVisible(false);
        for (QDomElement e = node.firstChildElement(u"imagegallery"_s); !e.isNull();
             e = e.nextSiblingElement(u"imagegallery"_s)) {
            applyGallery(e);
            for (QDomElement child = e.firstChildElement(); !child.isNull(); child = child.nextSiblingElement()) {
                const QString name = child.tagName();
                if (name == u"imagedisplay"_s)
                    applyImageDisplay(child);
                else if (name == u"thumbnailer"_s)
                    applyThumbnailer(child, report);
                else if (name == u"catagories"_s)
                    applyCatagories(child);
                else if (name == u"button"_s)
                    applyButton(child);
            }
        }
    }
}

void GalleryXmlReader::applyGallery(const QDomElement &e)
{
    GalleryDocument &g = m_gallery;
    g.setWidth(intAttribute(e, u"w"_s, 400));
    g.setHeight(intAttribute(e, u"h"_s, 300));
    g.setBackgroundSolid(flag(e, u"bkdobk"_s));
    color(e, u"bkfillclr"_s, [&](PackedColor c) { g.setFillColor(c); });
    g.setFillAlpha(intAttribute(e, u"bkfillalpha"_s, 100));
    g.setBackgroundGradient(flag(e, u"bkdogradient"_s));
    g.setAlbumsOnStartup(flag(e, u"docatsonstartup"_s));
    color(e, u"bkgradclr"_s, [&](PackedColor c) { g.setGradientColor(c); });
    g.setGradientAlpha(intAttribute(e, u"bkgradalpha"_s, 100));
    g.setGradientAngle(intAttribute(e, u"bkgradangle"_s, 70));
    g.setPlayOnStartup(flag(e, u"docplayonstartup"_s));
    g.setBorderOn(flag(e, u"bkdobdr"_s));
    g.setBackgroundImageOn(flag(e, u"bkdoimg"_s));
    if (const QString image = readXmlAttr(e, u"bkimg"_s); !image.isEmpty())
        g.setBackgroundImage(resolve(image));
    g.setBorderSolid(flag(e, u"bkbdrsolid"_s));
    color(e, u"bkbdrcolor"_s, [&](PackedColor c) { g.setBorderColor(c); });
    color(e, u"captionfontcolor"_s, [&](PackedColor c) { g.setCaptionFontColor(c); });
    color(e, u"captionfontbkcolor"_s, [&](PackedColor c) { g.setCaptionFontBkColor(c); });
    g.setCaptionFontSize(intAttribute(e, u"captionfontsize"_s, 10));
    if (const QString font = readXmlAttr(e, u"captionfont"_s); !font.isEmpty())
        g.setCaptionFont(font);
    // An empty sound name ends with no sound at all.
    g.releaseSoundWorkCopies();
    const QString music = readXmlAttr(e, u"bkmp3"_s);
    g.setBackgroundSound(music.isEmpty() ? QString() : resolve(music));
    const QString click = readXmlAttr(e, u"overclick"_s);
    g.setMouseOverSound(click.isEmpty() ? QString() : resolve(click));
    g.setSlideshowSpeed(intAttribute(e, u"playspeed"_s, 100));
    g.setThumbScrollSpeed(intAttribute(e, u"thumbspeed"_s, 15));
    applyStripHeader(e);
    applyCellStyle(e);
}

void GalleryXmlReader::applyStripHeader(const QDomElement &e)
{
    // The strip's own background lives on the gallery element, under "thumbhdr" names.
    applyBackground(m_gallery.thumbnailStrip(), e, false, u"thumbhdr"_s);
}

void GalleryXmlReader::applyCellStyle(const QDomElement &e)
{
    ThumbnailStrip *s = m_gallery.thumbnailStrip();
    s->setThumbWidth(intAttribute(e, u"thumbw"_s, 85));
    s->setThumbHeight(intAttribute(e, u"thumbh"_s, 110));
    s->setThumbImageWidth(intAttribute(e, u"thumbimgw"_s, 100));
    s->setThumbImageHeight(intAttribute(e, u"thumbimgh"_s, 75));
    s->setThumbImageX(intAttribute(e, u"thumbimgx"_s, 5));
    s->setThumbImageY(intAttribute(e, u"thumbimgy"_s, 5));
    s->setThumbAlpha(intAttribute(e, u"thumbalpha"_s, 100));
    s->setThumbSpacing(intAttribute(e, u"thumbspacing"_s, 10));
    s->setThumbOffset(intAttribute(e, u"thumbxyoffset"_s, 5));
    s->setThumbBorder(flag(e, u"thumbdobdr"_s));
    s->setThumbBorderSolid(flag(e, u"thumbbdrsolid"_s));
    s->setThumbHighlight(flag(e, u"thumbhlight"_s));
    s->setThumbShadow(flag(e, u"thumbshdw"_s));
    s->setThumbFill(flag(e, u"thumbdobk"_s));
    s->setThumbGradient(flag(e, u"thumbdogradient"_s));
    s->setThumbScale(flag(e, u"thumbimgscale"_s));
    s->setThumbAspect(flag(e, u"thumbimgaspect"_s));
    s->setThumbFade(flag(e, u"thumbfxfade"_s));
    color(e, u"thumbbdrcolor"_s, [&](PackedColor c) { s->setThumbBorderColor(c); });
    color(e, u"thumbhlightclr"_s, [&](PackedColor c) { s->setThumbHighlightColor(c); });
    color(e, u"thumbshdwclr"_s, [&](PackedColor c) { s->setThumbShadowColor(c); });
    color(e, u"thumbfillclr"_s, [&](PackedColor c) { s->setThumbFillColor(c); });
    color(e, u"thumbgradclr"_s, [&](PackedColor c) { s->setThumbGradientColor(c); });
    s->setThumbHighlightWidth(intAttribute(e, u"thumbhlightwidth"_s, 1));
    s->setThumbGradientAngle(intAttribute(e, u"thumbgradangle"_s, 70));
}

void GalleryXmlReader::applyGeometry(StyledComponent *c, const QDomElement &e)
{
    c->setWidth(intAttribute(e, u"w"_s, 300));
    c->setHeight(intAttribute(e, u"h"_s, 200));
    c->setLeft(intAttribute(e, u"x"_s, 10));
    c->setTop(intAttribute(e, u"y"_s, 10));
}

void GalleryXmlReader::applyPicture(StyledComponent *c, const QDomElement &e, const QString &name)
{
    if (const QString picture = readXmlAttr(e, name); !picture.isEmpty())
        c->setPictureFile(resolve(picture));
}

void GalleryXmlReader::applyBackground(StyledComponent *c, const QDomElement &e, bool withMask,
                                   const QString &prefix)
{
    const auto name = [&](const char16_t *base) { return QString(prefix + QStringView(base)); };
    // The one name that does not follow the pattern: the strip's solid fill is "thumbhdrbkdo".
    c->setSolidFill(flag(e, prefix.isEmpty() ? u"bkdobk"_s : QString(prefix + u"bkdo"_s)));
    color(e, name(u"bkfillclr"), [&](PackedColor v) { c->setFillColor(v); });
    c->setFillAlpha(intAttribute(e, name(u"bkfillalpha"), 100));
    c->setGradientFill(flag(e, name(u"bkdogradient")));
    color(e, name(u"bkgradclr"), [&](PackedColor v) { c->setGradientColor(v); });
    c->setGradientAlpha(intAttribute(e, name(u"bkgradalpha"), 100));
    c->setGradientAngle(intAttribute(e, name(u"bkgradangle"), 70));
    c->setPictureFill(flag(e, name(u"bkdoimg")));
    c->setShowBorder(flag(e, name(u"bkdobdr")));
    applyPicture(c, e, name(u"bkimg"));
    c->setBorderSolid(flag(e, name(u"bkbdrsolid")));
    color(e, name(u"bkbdrcolor"), [&](PackedColor v) { c->setBorderColor(v); });
    if (withMask)
        c->setMask(flag(e, name(u"bkdomask")));
}

void GalleryXmlReader::applyImageDisplay(const QDomElement &e)
{
    ImageDisplay *d = m_gallery.imageDisplay();
    applyGeometry(d, e);
    applyBackground(d, e, true);
    d->setClickFullSize(flag(e, u"doclickfullsize"_s));
    d->setScaleToFit(flag(e, u"scaletofit"_s));
    d->setKeepAspect(flag(e, u"aspratio"_s));
    d->setLoaderWidth(intAttribute(e, u"loaderw"_s, 200));
}

void GalleryXmlReader::applyThumbnailer(const QDomElement &e, GalleryLoadReport &report)
{
    ThumbnailStrip *s = m_gallery.thumbnailStrip();
    applyGeometry(s, e);
    if (!e.hasAttribute(u"myname"_s))
        return;
    Album *album = s->addAlbum(QString());
    album->setLinkId(readXmlAttr(e, u"myname"_s));
    QStringList paths;
    for (int n = 1; e.hasAttribute(u"bigimage"_s + QString::number(n)); ++n)
        paths.append(resolve(readXmlAttr(e, u"bigimage"_s + QString::number(n))));
    AddImagesResult result;
    if (m_photos == PhotoLoading::NamesOnly) {
        for (qsizetype i = 0; i < paths.size(); ++i) {
            const QString big = fileNamePart(paths[i]);
            QString thumb = fileNamePart(readXmlAttr(e, u"image"_s + QString::number(i + 1)));
            if (thumb.isEmpty()) // a file written by hand may leave it out: the name a save gives
                thumb = fileBaseName(big) + u"_s.jpg"_s;
            result.added.append(album->addNamedImage(paths[i], big, thumb));
        }
    } else {
        // A photo that cannot be read keeps its place, as a missing one does, so that a save
        // does not quietly drop it; the window names them all at the end.
        result = album->addImages(paths, AddImagesOptions{nullptr, false, false, true});
        report.undecodable += result.undecodable;
    }
    for (qsizetype i = 0; i < result.added.size(); ++i) {
        const QString number = QString::number(i + 1);
        AlbumPhoto *image = result.added[i];
        if (e.hasAttribute(u"imagecaption"_s + number))
            image->setCaption(readXmlAttr(e, u"imagecaption"_s + number));
        if (e.hasAttribute(u"imagelink"_s + number))
            image->setLink(readXmlAttr(e, u"imagelink"_s + number));
    }
}

void GalleryXmlReader::applyCatagories(const QDomElement &e)
{
    applyBackground(m_gallery.menuPanel(), e, true);
    AlbumMenuStyle *m = m_gallery.menuStyle();
    m->setTileWidth(intAttribute(e, u"catw"_s, 100));
    m->setTileHeight(intAttribute(e, u"cath"_s, 50));
    m->setTilePadding(intAttribute(e, u"catxypadding"_s, 10));
    m->setHighlightOn(flag(e, u"cathlight"_s));
    m->setHighlightWidth(intAttribute(e, u"cathlightwidth"_s, 1));
    color(e, u"cathlightclr"_s, [&](PackedColor c) { m->setHighlightColor(c); });
    m->setCoverHeight(intAttribute(e, u"catimgh"_s, 50));
    m->setCoverWidth(intAttribute(e, u"catimgw"_s, 50));
    m->setFontSize(intAttribute(e, u"catfontsize"_s, 14));
    color(e, u"catfontclr"_s, [&](PackedColor c) { m->setFontColor(c); });
    m->setFontFace(readXmlAttr(e, u"catfont"_s));
    m->setBackgroundOn(flag(e, u"catdobk"_s));
    color(e, u"catfillclr"_s, [&](PackedColor c) { m->setFillColor(c); });
    m->setFillAlpha(intAttribute(e, u"catfillalpha"_s, 100));
    m->setGradientFill(flag(e, u"catdogradient"_s));
    color(e, u"catgradclr"_s, [&](PackedColor c) { m->setGradientColor(c); });
    m->setGradientAlpha(intAttribute(e, u"catgradalpha"_s, 100));
    m->setGradientAngle(intAttribute(e, u"catgradangle"_s, 70));
    m->setBorderOn(flag(e, u"catdobdr"_s));
    m->setBorderSolid(flag(e, u"catbdrsolid"_s));
    color(e, u"catbdrcolor"_s, [&](PackedColor c) { m->setBorderColor(c); });

    const QList<Album *> &albums = m_gallery.thumbnailStrip()->albums();
    for (int i = 1; e.hasAttribute(u"cat%1link"_s.arg(i)); ++i) {
        const QString link = readXmlAttr(e, u"cat%1link"_s.arg(i));
        for (Album *album : albums) {
            if (album->linkId() != link)
                continue;
            album->setName(readXmlAttr(e, u"cat%1name"_s.arg(i)));
            album->setDescription(readXmlAttr(e, u"cat%1text"_s.arg(i)));
            album->setCover(resolve(readXmlAttr(e, u"cat%1image"_s.arg(i))));
        }
    }
}

void GalleryXmlReader::applyButton(const QDomElement &e)
{
    const QString action = readXmlAttr(e, u"action"_s).toLower();
    GalleryButton *b = nullptr;
    if (action == u"showcatagories"_s)
        b = m_gallery.albumsButton();
    else if (action == u"toggleplaypause"_s)
        b = m_gallery.playButton();
    else if (action == u"togglesounds"_s)
        b = m_gallery.soundsButton();
    if (!b)
        return; // no other actions exist; such an element names no button
    b->setAction(action);
    b->setVisible(true);
    if (const QString up = readXmlAttr(e, u"upicon"_s); !up.isEmpty())
        b->setOnIcon(resolve(up));
    if (const QString down = readXmlAttr(e, u"downicon"_s); !down.isEmpty())
        b->setOffIcon(resolve(down));
    applyGeometry(b, e);
    applyBackground(b, e, true);
    b->setToggle(flag(e, u"toggle"_s));
    b->setShowText(flag(e, u"showtext"_s));
    b->setText(readXmlAttr(e, u"txt"_s));
    b->setToggleText(readXmlAttr(e, u"toggletxt"_s));
    b->setFontX(intAttribute(e, u"fntx"_s, 10));
    b->setFontY(intAttribute(e, u"fnty"_s, 10));
    b->setFontAlpha(intAttribute(e, u"fntalpha"_s, 100));
    b->setFontSize(intAttribute(e, u"fntsize"_s, 10));
    b->setFontText(readXmlAttr(e, u"fnttext"_s));
    b->setFontFace(readXmlAttr(e, u"fnt"_s));
    color(e, u"fntclr"_s, [&](PackedColor c) { b->setFontColor(c); });
    b->setBold(flag(e, u"fntbold"_s));
    b->setItalic(flag(e, u"fntitalic"_s));
}

void GalleryXmlReader::finish()
{
    ThumbnailStrip *strip = m_gallery.thumbnailStrip();
    strip->applyAlbumStyle();
    strip->selectFirstAlbum();
    strip->refreshPreview();
    m_gallery.showGalleryProperties();
    m_gallery.select(nullptr, false);
    m_gallery.clearModified();
    m_gallery.repaint();
}
