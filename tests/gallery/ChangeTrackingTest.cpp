#include "Album.h"
#include "AlbumMenuStyle.h"
#include "AlbumPhoto.h"
#include "AppFolders.h"
#include "GalleryButton.h"
#include "GalleryDocument.h"
#include "ImageDisplay.h"
#include "ThumbnailStrip.h"
#include "support/TestSupport.h"

#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// One setter: which object sends changed(), and a call that gives it a value it does not hold.
struct Setter
{
    const char *name;
    std::function<QObject *(GalleryDocument &)> object;
    std::function<void(GalleryDocument &)> set;
};

GalleryButton *button(GalleryDocument &g) { return g.playButton(); }
ImageDisplay *display(GalleryDocument &g) { return g.imageDisplay(); }
ThumbnailStrip *strip(GalleryDocument &g) { return g.thumbnailStrip(); }
AlbumMenuStyle *style(GalleryDocument &g) { return g.menuStyle(); }
Album *album(GalleryDocument &g) { return g.thumbnailStrip()->albums().first(); }
AlbumPhoto *photo(GalleryDocument &g) { return album(g)->images().first(); }

#define DOC(call) {#call, [](GalleryDocument &g) -> QObject * { return &g; }, [](GalleryDocument &g) { g.call; }}
#define ON(owner, call) {#owner "->" #call, [](GalleryDocument &g) -> QObject * { return owner(g); }, \
                         [](GalleryDocument &g) { owner(g)->call; }}

} // namespace

class ChangeTracking : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_gallery.resetAsNewGallery();
        album(m_gallery)->addNamedImage(u"/photos/one.jpg"_s, u"one.jpg"_s, u"one_s.jpg"_s);
        // A real picture for the setters that take a file.
        QImage(8, 8, QImage::Format_RGB32).save(m_files.filePath(u"picture.png"_s));
    }

    TestAppFolder m_app;
    QTemporaryDir m_files;
    GalleryDocument m_gallery;
};

TEST_F(ChangeTracking, EverySetterTracksARealChangeOnce)
{
    static QString picture;
    picture = m_files.filePath(u"picture.png"_s);
    const Setter setters[] = {
        DOC(setBackgroundSolid(false)), DOC(setBackgroundGradient(true)), DOC(setBackgroundImageOn(true)),
        DOC(setFillColor(Colors::Red)), DOC(setFillAlpha(40)), DOC(setGradientColor(Colors::Red)),
        DOC(setGradientAlpha(40)), DOC(setGradientAngle(10)), DOC(setBorderOn(false)),
        DOC(setBorderSolid(false)), DOC(setBorderColor(Colors::Red)), DOC(setAlbumsOnStartup(true)),
        DOC(setPlayOnStartup(true)), DOC(setBackgroundImage(picture)), DOC(setBackgroundSoundName(u"a.mp3"_s)),
        DOC(setMouseOverSoundName(u"b.mp3"_s)), DOC(setSlideshowSpeed(48)), DOC(setThumbScrollSpeed(3)),
        DOC(setCaptionFont(u"Verdana"_s)), DOC(setCaptionFontSize(14)), DOC(setCaptionFontColor(Colors::Red)),
        DOC(setCaptionFontBkColor(Colors::Red)),

        ON(button, setSolidFill(true)), ON(button, setGradientFill(true)), ON(button, setPictureFill(true)),
        ON(button, setFillColor(Colors::Red)), ON(button, setGradientColor(Colors::Red)),
        ON(button, setFillAlpha(40)), ON(button, setGradientAngle(10)), ON(button, setGradientAlpha(40)),
        ON(button, setPictureFile(picture)), ON(button, setBorderSolid(false)), ON(button, setShowBorder(true)),
        ON(button, setBorderColor(Colors::Red)), ON(button, setMask(false)), ON(button, setFontAlpha(40)),
        ON(button, setFontY(3)), ON(button, setFontX(3)), ON(button, setFontText(u"x"_s)),
        ON(button, setFontColor(Colors::Red)), ON(button, setItalic(true)), ON(button, setBold(true)),
        ON(button, setFontFace(u"Courier"_s)), ON(button, setFontSize(14)), ON(button, setText(u"Go"_s)),
        ON(button, setToggleText(u"Stop"_s)), ON(button, setToggle(false)),
        ON(button, setAction(u"togglesounds"_s)), ON(button, setShowText(true)), ON(button, setOnIcon(picture)),
        ON(button, setOffIcon(picture)),

        ON(display, setScaleToFit(false)), ON(display, setClickFullSize(false)), ON(display, setKeepAspect(true)),
        ON(display, setLoaderWidth(10)),

        ON(strip, setPictureInset(3)), ON(strip, setThumbWidth(90)), ON(strip, setThumbHeight(60)),
        ON(strip, setThumbOffset(3)), ON(strip, setThumbSpacing(9)), ON(strip, setThumbImageWidth(50)),
        ON(strip, setThumbImageHeight(50)), ON(strip, setThumbImageX(3)), ON(strip, setThumbImageY(3)),
        ON(strip, setThumbAlpha(40)), ON(strip, setThumbHighlightWidth(4)), ON(strip, setThumbGradientAngle(10)),
        ON(strip, setThumbFill(true)), ON(strip, setThumbGradient(true)), ON(strip, setThumbBorder(false)),
        ON(strip, setThumbBorderSolid(false)), ON(strip, setThumbHighlight(false)), ON(strip, setThumbShadow(true)),
        ON(strip, setThumbFade(true)), ON(strip, setThumbScale(false)), ON(strip, setThumbAspect(false)),
        ON(strip, setThumbFillColor(Colors::Red)), ON(strip, setThumbGradientColor(Colors::Red)),
        ON(strip, setThumbBorderColor(Colors::Red)), ON(strip, setThumbHighlightColor(Colors::Blue)),
        ON(strip, setThumbShadowColor(Colors::Red)),

        ON(style, setTileWidth(150)), ON(style, setTileHeight(60)), ON(style, setTilePadding(4)),
        ON(style, setHighlightOn(false)), ON(style, setHighlightWidth(4)), ON(style, setHighlightColor(Colors::Blue)),
        ON(style, setCoverWidth(40)), ON(style, setCoverHeight(30)), ON(style, setFontSize(14)),
        ON(style, setFontColor(Colors::Red)), ON(style, setFontFace(u"Verdana"_s)), ON(style, setBackgroundOn(false)),
        ON(style, setGradientFill(true)), ON(style, setFillColor(Colors::Red)), ON(style, setFillAlpha(40)),
        ON(style, setGradientColor(Colors::Red)), ON(style, setGradientAlpha(40)), ON(style, setGradientAngle(10)),
        ON(style, setBorderOn(false)), ON(style, setBorderSolid(false)), ON(style, setBorderColor(Colors::Red)),

        ON(album, setName(u"Trips"_s)), ON(album, setDescription(u"Far away"_s)), ON(album, setLinkId(u"trips"_s)),
        ON(album, setCover(picture)),

        ON(photo, setSourcePath(u"/photos/two.jpg"_s)), ON(photo, setBigFileName(u"two.jpg"_s)),
        ON(photo, setThumbFileName(u"two_s.jpg"_s)), ON(photo, setCaption(u"Sunset"_s)),
        ON(photo, setLink(u"https://example.com/"_s)),
    };
    for (const Setter &setter : setters) {
        SCOPED_TRACE(setter.name);
        m_gallery.clearModified();
        QSignalSpy spy(setter.object(m_gallery), SIGNAL(changed()));
        setter.set(m_gallery);
        EXPECT_TRUE(m_gallery.modified());
        EXPECT_EQ(spy.count(), 1);

        m_gallery.clearModified();
        setter.set(m_gallery);
        EXPECT_FALSE(m_gallery.modified());
        EXPECT_EQ(spy.count(), 1);
    }
}

TEST_F(ChangeTracking, MovingResizingAndNudgingAComponentMarkTheGallery)
{
    const std::pair<const char *, std::function<void(CanvasObject *)>> moves[] = {
        {"setBounds", [](CanvasObject *o) { o->setBounds(o->left() + 5, o->top(), o->width() + 5, o->height()); }},
        {"nudge", [](CanvasObject *o) { o->nudge(1, 0); }},
        {"finishDrag", [](CanvasObject *o) { o->finishDrag(); }},
    };
    for (const auto &[name, move] : moves) {
        SCOPED_TRACE(name);
        m_gallery.clearModified();
        move(m_gallery.thumbnailStrip());
        EXPECT_TRUE(m_gallery.modified());
    }
}
