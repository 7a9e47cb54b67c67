#include "GalleryLoader.h"

#include "albums/FCatagoryMenuStyle.h"
#include "albums/FThummnailCatagory.h"
#include "albums/FThummnailCatagoryPanel.h"
#include "albums/FThummnailImageData.h"
#include "albums/ImageResizeSettings.h"
#include "app/AppState.h"
#include "app/Errors.h"
#include "app/Utils.h"
#include "components/FflashButtonClass.h"
#include "components/FflashImageDisplay.h"
#include "components/FflashThumbnailerClass.h"

#include <QDomDocument>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

bool GalleryLoader::Flag(const QDomElement &e, const QString &name)
{
    return ReadXmlAttr(e, name).toLower() == u"t"_s;
}

int GalleryLoader::Int(const QDomElement &e, const QString &name, int fallback)
{
    return ReadXmlIntAttr(e, name, fallback);
}

template <typename Setter>
void GalleryLoader::Color(const QDomElement &e, const QString &name, Setter set)
{
    const QString text = ReadXmlAttr(e, name);
    if (!text.isEmpty())
        set(HexTextToColor(text));
}

QString GalleryLoader::Resolve(const QString &value) const
{
    return m_gallery.GetFolder() + value;
}

GalleryLoadReport GalleryLoader::Load(const QString &path)
{
    GalleryLoadReport report;
    if (!QFileInfo(path).isFile()) {
        report.recognised = true; // a file that is not there is not reported
        return report;
    }
    UpdatingPanelsGuard loading;
    ImageResizeSettings &resize = ImageResizeSettings::Instance();
    const bool resizeImages = resize.resizeImages;
    resize.resizeImages = false;

    m_gallery.SetBaseNameFromFileName(FileBaseName(path));
    m_gallery.SetFolderFromPath(IncludeTrailingSlash(QFileInfo(path).absolutePath()));
    try {
        ReadDocument(path, report);
    } catch (const FotoviaError &e) {
        report.error = e.message();
    }
    resize.resizeImages = resizeImages;
    Finish();
    return report;
}

void GalleryLoader::ReadDocument(const QString &path, GalleryLoadReport &report)
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
        m_gallery.AlbumsButton()->SetVisible(false);
        m_gallery.PlayButton()->SetVisible(false);
        m_gallery.SoundsButton()->SetVisible(false);
        for (QDomElement e = node.firstChildElement(u"imagegallery"_s); !e.isNull();
             e = e.nextSiblingElement(u"imagegallery"_s)) {
            ApplyGallery(e);
            for (QDomElement child = e.firstChildElement(); !child.isNull(); child = child.nextSiblingElement()) {
                const QString name = child.tagName();
                if (name == u"imagedisplay"_s)
                    ApplyImageDisplay(child);
                else if (name == u"thumbnailer"_s)
                    ApplyThumbnailer(child, report);
                else if (name == u"catagories"_s)
                    ApplyCatagories(child);
                else if (name == u"button"_s)
                    ApplyButton(child);
            }
        }
    }
}

void GalleryLoader::ApplyGallery(const QDomElement &e)
{
    FflashMovie &g = m_gallery;
    g.SetWidth(Int(e, u"w"_s, 400));
    g.SetHeight(Int(e, u"h"_s, 300));
    g.SetBackgroundSolid(Flag(e, u"bkdobk"_s));
    Color(e, u"bkfillclr"_s, [&](FColor c) { g.SetFillColor(c); });
    g.SetFillAlpha(Int(e, u"bkfillalpha"_s, 100));
    g.SetBackgroundGradient(Flag(e, u"bkdogradient"_s));
    g.SetAlbumsOnStartup(Flag(e, u"docatsonstartup"_s));
    Color(e, u"bkgradclr"_s, [&](FColor c) { g.SetGradientColor(c); });
    g.SetGradientAlpha(Int(e, u"bkgradalpha"_s, 100));
    g.SetGradientAngle(Int(e, u"bkgradangle"_s, 70));
    g.SetPlayOnStartup(Flag(e, u"docplayonstartup"_s));
    g.SetBorderOn(Flag(e, u"bkdobdr"_s));
    g.SetBackgroundImageOn(Flag(e, u"bkdoimg"_s));
    if (const QString image = ReadXmlAttr(e, u"bkimg"_s); !image.isEmpty())
        g.SetBackgroundImage(Resolve(image));
    g.SetBorderSolid(Flag(e, u"bkbdrsolid"_s));
    Color(e, u"bkbdrcolor"_s, [&](FColor c) { g.SetBorderColor(c); });
    Color(e, u"captionfontcolor"_s, [&](FColor c) { g.CaptionFontColor = c; });
    Color(e, u"captionfontbkcolor"_s, [&](FColor c) { g.CaptionFontBkColor = c; });
    g.CaptionFontSize = Int(e, u"captionfontsize"_s, 10);
    if (const QString font = ReadXmlAttr(e, u"captionfont"_s); !font.isEmpty())
        g.CaptionFont = font;
    // An empty sound name ends with no sound at all.
    g.ReleaseSoundWorkCopies();
    const QString music = ReadXmlAttr(e, u"bkmp3"_s);
    g.SetBackgroundSound(music.isEmpty() ? QString() : Resolve(music));
    const QString click = ReadXmlAttr(e, u"overclick"_s);
    g.SetMouseOverSound(click.isEmpty() ? QString() : Resolve(click));
    g.SlideshowSpeed = Int(e, u"playspeed"_s, 100);
    g.ThumbScrollSpeed = Int(e, u"thumbspeed"_s, 15);
    ApplyStripHeader(e);
    ApplyCellStyle(e);
}

void GalleryLoader::ApplyStripHeader(const QDomElement &e)
{
    // The strip's own background lives on the gallery element, under "thumbhdr" names.
    ApplyBackground(m_gallery.ThumbnailStrip(), e, false, u"thumbhdr"_s);
}

void GalleryLoader::ApplyCellStyle(const QDomElement &e)
{
    FflashThumbnailerClass *s = m_gallery.ThumbnailStrip();
    s->SetThumbWidth(Int(e, u"thumbw"_s, 85));
    s->SetThumbHeight(Int(e, u"thumbh"_s, 110));
    s->SetThumbImageWidth(Int(e, u"thumbimgw"_s, 100));
    s->SetThumbImageHeight(Int(e, u"thumbimgh"_s, 75));
    s->SetThumbImageX(Int(e, u"thumbimgx"_s, 5));
    s->SetThumbImageY(Int(e, u"thumbimgy"_s, 5));
    s->SetThumbAlpha(Int(e, u"thumbalpha"_s, 100));
    s->SetThumbSpacing(Int(e, u"thumbspacing"_s, 10));
    s->SetThumbOffset(Int(e, u"thumbxyoffset"_s, 5));
    s->SetThumbBorder(Flag(e, u"thumbdobdr"_s));
    s->SetThumbBorderSolid(Flag(e, u"thumbbdrsolid"_s));
    s->SetThumbHighlight(Flag(e, u"thumbhlight"_s));
    s->SetThumbShadow(Flag(e, u"thumbshdw"_s));
    s->SetThumbFill(Flag(e, u"thumbdobk"_s));
    s->SetThumbGradient(Flag(e, u"thumbdogradient"_s));
    s->SetThumbScale(Flag(e, u"thumbimgscale"_s));
    s->SetThumbAspect(Flag(e, u"thumbimgaspect"_s));
    s->SetThumbFade(Flag(e, u"thumbfxfade"_s));
    Color(e, u"thumbbdrcolor"_s, [&](FColor c) { s->SetThumbBorderColor(c); });
    Color(e, u"thumbhlightclr"_s, [&](FColor c) { s->SetThumbHighlightColor(c); });
    Color(e, u"thumbshdwclr"_s, [&](FColor c) { s->SetThumbShadowColor(c); });
    Color(e, u"thumbfillclr"_s, [&](FColor c) { s->SetThumbFillColor(c); });
    Color(e, u"thumbgradclr"_s, [&](FColor c) { s->SetThumbGradientColor(c); });
    s->SetThumbHighlightWidth(Int(e, u"thumbhlightwidth"_s, 1));
    s->SetThumbGradientAngle(Int(e, u"thumbgradangle"_s, 70));
}

void GalleryLoader::ApplyGeometry(FflashComponentBaseClass *c, const QDomElement &e)
{
    c->SetWidth(Int(e, u"w"_s, 300));
    c->SetHeight(Int(e, u"h"_s, 200));
    c->SetLeft(Int(e, u"x"_s, 10));
    c->SetTop(Int(e, u"y"_s, 10));
}

void GalleryLoader::ApplyPicture(FflashComponentBaseClass *c, const QDomElement &e, const QString &name)
{
    if (const QString picture = ReadXmlAttr(e, name); !picture.isEmpty())
        c->SetPictureFile(Resolve(picture));
}

void GalleryLoader::ApplyBackground(FflashComponentBaseClass *c, const QDomElement &e, bool withMask,
                                   const QString &prefix)
{
    const auto name = [&](const char16_t *base) { return QString(prefix + QStringView(base)); };
    // The one name that does not follow the pattern: the strip's solid fill is "thumbhdrbkdo".
    c->SetSolidFill(Flag(e, prefix.isEmpty() ? u"bkdobk"_s : QString(prefix + u"bkdo"_s)));
    Color(e, name(u"bkfillclr"), [&](FColor v) { c->SetFillColor(v); });
    c->SetFillAlpha(Int(e, name(u"bkfillalpha"), 100));
    c->SetGradientFill(Flag(e, name(u"bkdogradient")));
    Color(e, name(u"bkgradclr"), [&](FColor v) { c->SetGradientColor(v); });
    c->SetGradientAlpha(Int(e, name(u"bkgradalpha"), 100));
    c->SetGradientAngle(Int(e, name(u"bkgradangle"), 70));
    c->SetPictureFill(Flag(e, name(u"bkdoimg")));
    c->SetShowBorder(Flag(e, name(u"bkdobdr")));
    ApplyPicture(c, e, name(u"bkimg"));
    c->SetBorderSolid(Flag(e, name(u"bkbdrsolid")));
    Color(e, name(u"bkbdrcolor"), [&](FColor v) { c->SetBorderColor(v); });
    if (withMask)
        c->SetMask(Flag(e, name(u"bkdomask")));
}

void GalleryLoader::ApplyImageDisplay(const QDomElement &e)
{
    FflashImageDisplay *d = m_gallery.ImageDisplay();
    ApplyGeometry(d, e);
    ApplyBackground(d, e, true);
    d->SetClickFullSize(Flag(e, u"doclickfullsize"_s));
    d->SetScaleToFit(Flag(e, u"scaletofit"_s));
    d->SetKeepAspect(Flag(e, u"aspratio"_s));
    d->SetLoaderWidth(Int(e, u"loaderw"_s, 200));
}

void GalleryLoader::ApplyThumbnailer(const QDomElement &e, GalleryLoadReport &report)
{
    FflashThumbnailerClass *s = m_gallery.ThumbnailStrip();
    ApplyGeometry(s, e);
    if (!e.hasAttribute(u"myname"_s))
        return;
    FThummnailCatagory *album = s->AddAlbum(QString());
    album->SetLinkId(ReadXmlAttr(e, u"myname"_s));
    QStringList paths;
    for (int n = 1; e.hasAttribute(u"bigimage"_s + QString::number(n)); ++n)
        paths.append(Resolve(ReadXmlAttr(e, u"bigimage"_s + QString::number(n))));
    AddImagesResult result;
    if (m_photos == PhotoLoading::NamesOnly) {
        for (qsizetype i = 0; i < paths.size(); ++i) {
            const QString big = FileNamePart(paths[i]);
            QString thumb = FileNamePart(ReadXmlAttr(e, u"image"_s + QString::number(i + 1)));
            if (thumb.isEmpty()) // a file written by hand may leave it out: the name a save gives
                thumb = FileBaseName(big) + u"_s.jpg"_s;
            result.added.append(album->AddNamedImage(paths[i], big, thumb));
        }
    } else {
        // A photo that cannot be read keeps its place, as a missing one does, so that a save
        // does not quietly drop it; the window names them all at the end.
        result = album->AddImages(paths, AddImagesOptions{nullptr, false, false, true});
        report.undecodable += result.undecodable;
    }
    for (qsizetype i = 0; i < result.added.size(); ++i) {
        const QString number = QString::number(i + 1);
        FThummnailImageData *image = result.added[i];
        if (e.hasAttribute(u"imagecaption"_s + number))
            image->caption = ReadXmlAttr(e, u"imagecaption"_s + number);
        if (e.hasAttribute(u"imagelink"_s + number))
            image->link = ReadXmlAttr(e, u"imagelink"_s + number);
    }
}

void GalleryLoader::ApplyCatagories(const QDomElement &e)
{
    ApplyBackground(m_gallery.MenuPanel(), e, true);
    FCatagoryMenuStyle *m = m_gallery.MenuStyle();
    m->SetCatW(Int(e, u"catw"_s, 100));
    m->SetCatH(Int(e, u"cath"_s, 50));
    m->SetCatXYPadding(Int(e, u"catxypadding"_s, 10));
    m->SetCatHLight(Flag(e, u"cathlight"_s));
    m->SetCatHLightWidth(Int(e, u"cathlightwidth"_s, 1));
    Color(e, u"cathlightclr"_s, [&](FColor c) { m->SetCatHLightClr(c); });
    m->SetCatImgH(Int(e, u"catimgh"_s, 50));
    m->SetCatImgW(Int(e, u"catimgw"_s, 50));
    m->SetCatFontSize(Int(e, u"catfontsize"_s, 14));
    Color(e, u"catfontclr"_s, [&](FColor c) { m->SetCatFontClr(c); });
    m->SetCatFont(ReadXmlAttr(e, u"catfont"_s));
    m->SetCatDoBk(Flag(e, u"catdobk"_s));
    Color(e, u"catfillclr"_s, [&](FColor c) { m->SetCatFillClr(c); });
    m->SetCatFillAlpha(Int(e, u"catfillalpha"_s, 100));
    m->SetCatDoGradient(Flag(e, u"catdogradient"_s));
    Color(e, u"catgradclr"_s, [&](FColor c) { m->SetCatGradClr(c); });
    m->SetCatGradAlpha(Int(e, u"catgradalpha"_s, 100));
    m->SetCatGradAngle(Int(e, u"catgradangle"_s, 70));
    m->SetCatDoBdr(Flag(e, u"catdobdr"_s));
    m->SetCatBdrSolid(Flag(e, u"catbdrsolid"_s));
    Color(e, u"catbdrcolor"_s, [&](FColor c) { m->SetCatBdrColor(c); });

    const QList<FThummnailCatagory *> &albums = m_gallery.ThumbnailStrip()->Albums();
    for (int i = 1; e.hasAttribute(u"cat%1link"_s.arg(i)); ++i) {
        const QString link = ReadXmlAttr(e, u"cat%1link"_s.arg(i));
        for (FThummnailCatagory *album : albums) {
            if (album->linkId() != link)
                continue;
            album->SetName(ReadXmlAttr(e, u"cat%1name"_s.arg(i)));
            album->SetDescription(ReadXmlAttr(e, u"cat%1text"_s.arg(i)));
            album->SetCover(Resolve(ReadXmlAttr(e, u"cat%1image"_s.arg(i))));
        }
    }
}

void GalleryLoader::ApplyButton(const QDomElement &e)
{
    const QString action = ReadXmlAttr(e, u"action"_s).toLower();
    FflashButtonClass *b = nullptr;
    if (action == u"showcatagories"_s)
        b = m_gallery.AlbumsButton();
    else if (action == u"toggleplaypause"_s)
        b = m_gallery.PlayButton();
    else if (action == u"togglesounds"_s)
        b = m_gallery.SoundsButton();
    if (!b)
        return; // no other actions exist; such an element names no button
    b->SetAction(action);
    b->SetVisible(true);
    if (const QString up = ReadXmlAttr(e, u"upicon"_s); !up.isEmpty())
        b->SetOnIcon(Resolve(up));
    if (const QString down = ReadXmlAttr(e, u"downicon"_s); !down.isEmpty())
        b->SetOffIcon(Resolve(down));
    ApplyGeometry(b, e);
    ApplyBackground(b, e, true);
    b->SetToggle(Flag(e, u"toggle"_s));
    b->SetShowText(Flag(e, u"showtext"_s));
    b->SetText(ReadXmlAttr(e, u"txt"_s));
    b->SetToggleText(ReadXmlAttr(e, u"toggletxt"_s));
    b->SetFontX(Int(e, u"fntx"_s, 10));
    b->SetFontY(Int(e, u"fnty"_s, 10));
    b->SetFontAlpha(Int(e, u"fntalpha"_s, 100));
    b->SetFontSize(Int(e, u"fntsize"_s, 10));
    b->SetFontText(ReadXmlAttr(e, u"fnttext"_s));
    b->SetFontFace(ReadXmlAttr(e, u"fnt"_s));
    Color(e, u"fntclr"_s, [&](FColor c) { b->SetFontColor(c); });
    b->SetBold(Flag(e, u"fntbold"_s));
    b->SetItalic(Flag(e, u"fntitalic"_s));
}

void GalleryLoader::Finish()
{
    FflashThumbnailerClass *strip = m_gallery.ThumbnailStrip();
    strip->ApplyAlbumStyle();
    strip->SelectFirstAlbum();
    strip->RefreshPreview();
    m_gallery.ShowGalleryProperties();
    m_gallery.Select(nullptr, false);
    m_gallery.ClearModified();
    m_gallery.Repaint();
}
