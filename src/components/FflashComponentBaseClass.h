#pragma once

#include "FflashObjectBaseClass.h"
#include "app/Color.h"

#include <QFont>
#include <QImage>

// The style every gallery component shares and the player reproduces: a background (solid,
// gradient or picture, each with an opacity), a border, a mask flag and, for components that
// show text, a font.
class FflashComponentBaseClass : public FflashObjectBaseClass
{
    Q_OBJECT
public:
    explicit FflashComponentBaseClass(QObject *owner = nullptr);
    ~FflashComponentBaseClass() override;

    bool SolidFill() const { return m_solidFill; }
    bool GradientFill() const { return m_gradientFill; }
    bool PictureFill() const { return m_pictureFill; }
    FColor FillColor() const { return m_fillColor; }
    FColor GradientColor() const { return m_gradientColor; }
    int FillAlpha() const { return m_fillAlpha; }
    int GradientAngle() const { return m_gradientAngle; }
    int GradientAlpha() const { return m_gradientAlpha; }
    QString PicturePath() const { return m_picturePath; }
    QString PictureName() const { return m_pictureName; }
    const QImage &PreviewPicture() const { return m_previewPicture; }
    bool ShowBorder() const { return m_showBorder; }
    bool BorderSolid() const { return m_borderSolid; }
    FColor BorderColor() const { return m_borderColor; }
    int FontAlpha() const { return m_fontAlpha; }
    int FontY() const { return m_fontY; }
    int FontX() const { return m_fontX; }
    bool Bold() const { return m_bold; }
    QString FontText() const { return m_fontText; }
    bool Italic() const { return m_italic; }
    QString FontFace() const { return m_fontFace; }
    FColor FontColor() const { return m_fontColor; }
    int FontSize() const { return m_fontSize; }
    const QFont &PreviewFont() const { return m_previewFont; }
    bool Mask() const { return m_mask; }
    bool BareAttributes() const { return m_bareAttributes; }
    bool WriteGeometry() const { return m_writeGeometry; }
    bool HasFont() const { return m_hasFont; }
    QString ElementName() const { return m_elementName; }
    bool ShowThrough() const { return m_showThrough; }

    virtual void SetSolidFill(bool value);
    virtual void SetGradientFill(bool value);
    virtual void SetFillColor(FColor value);
    virtual void SetGradientColor(FColor value);
    virtual void SetFillAlpha(int value);
    virtual void SetGradientAngle(int value);
    virtual void SetGradientAlpha(int value);
    virtual void SetPictureFill(bool value);
    virtual void SetPictureFile(const QString &path);
    virtual void SetPictureName(const QString &name);
    virtual void SetBorderSolid(bool value);
    virtual void SetShowBorder(bool value);
    virtual void SetBorderColor(FColor value);
    virtual void SetMask(bool value);
    // Copies the component's pictures into a published gallery's images folder.
    virtual void CopyFilesTo(const QString &folder);
    // Names the component's files for the upload list.
    virtual void CollectFiles();
    // Fills the Layout panel with this component's values.
    virtual void ShowProperties();

    void SetFontAlpha(int value);
    void SetFontY(int value);
    void SetFontX(int value);
    void SetFontText(const QString &value);
    void SetFontColor(FColor value);
    void SetItalic(bool value);
    void SetBold(bool value);
    void SetFontFace(const QString &value);
    void SetFontSize(int value);

    void SetBareAttributes(bool value) { m_bareAttributes = value; }
    void SetWriteGeometry(bool value) { m_writeGeometry = value; }
    void SetHasFont(bool value) { m_hasFont = value; }
    void SetElementName(const QString &name) { m_elementName = name; }
    void SetShowThrough(bool value) { m_showThrough = value; }

    // The canvas point size for a player font size; 0 when the size has no mapping.
    static int PreviewPointSize(int playerSize);

    // The component's attribute lines: geometry, background, font.
    QString WriteXml() override;
    void MoveFinished() override;

    // Start line, closing line and end line of this component's element.
    QString StartLine() const;
    static QString CloseLine();
    QString EndLine() const;

signals:
    // A panel should show this component's values.
    void PropertiesRequested(FflashComponentBaseClass *component);

protected:
    // Stores a setter's value: modified flags always, repaint unless asked not to.
    void Changed(bool repaint = true);
    QString WriteBackgroundXml() const;

private:
    bool m_solidFill = true;
    bool m_gradientFill = false;
    FColor m_fillColor = Colors::White;
    FColor m_gradientColor = Colors::Gray;
    int m_fillAlpha = 100;
    int m_gradientAngle = 70;
    int m_gradientAlpha = 70;
    bool m_pictureFill = false;
    QString m_picturePath;
    QString m_pictureName;
    QImage m_previewPicture;
    bool m_showBorder = false;
    bool m_borderSolid = false;
    FColor m_borderColor = Colors::Black;
    int m_fontAlpha = 100;
    int m_fontY = 0;
    int m_fontX = 0;
    bool m_bold = false;
    QString m_fontText;
    bool m_italic = false;
    QString m_fontFace;
    FColor m_fontColor = Colors::Black;
    int m_fontSize = 10;
    QFont m_previewFont;
    bool m_mask = true;
    bool m_bareAttributes = false;
    bool m_writeGeometry = true;
    bool m_hasFont = true;
    QString m_elementName;
    bool m_showThrough = false;
};
