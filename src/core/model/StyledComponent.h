#pragma once

#include "CanvasObject.h"
#include "Color.h"

#include <QFont>
#include <QImage>

// The style every gallery component shares and the player reproduces: a background (solid,
// gradient or picture, each with an opacity), a border, a mask flag and, for components that
// show text, a font.
class StyledComponent : public CanvasObject
{
    Q_OBJECT
public:
    explicit StyledComponent(QObject *owner = nullptr);
    ~StyledComponent() override;

    bool solidFill() const { return m_solidFill; }
    bool gradientFill() const { return m_gradientFill; }
    bool pictureFill() const { return m_pictureFill; }
    PackedColor fillColor() const { return m_fillColor; }
    PackedColor gradientColor() const { return m_gradientColor; }
    int fillAlpha() const { return m_fillAlpha; }
    int gradientAngle() const { return m_gradientAngle; }
    int gradientAlpha() const { return m_gradientAlpha; }
    QString picturePath() const { return m_picturePath; }
    QString pictureName() const { return m_pictureName; }
    const QImage &previewPicture() const { return m_previewPicture; }
    bool showBorder() const { return m_showBorder; }
    bool borderSolid() const { return m_borderSolid; }
    PackedColor borderColor() const { return m_borderColor; }
    int fontAlpha() const { return m_fontAlpha; }
    int fontY() const { return m_fontY; }
    int fontX() const { return m_fontX; }
    bool bold() const { return m_bold; }
    QString fontText() const { return m_fontText; }
    bool italic() const { return m_italic; }
    QString fontFace() const { return m_fontFace; }
    PackedColor fontColor() const { return m_fontColor; }
    int fontSize() const { return m_fontSize; }
    const QFont &previewFont() const { return m_previewFont; }
    bool mask() const { return m_mask; }
    bool bareAttributes() const { return m_bareAttributes; }
    bool writeGeometry() const { return m_writeGeometry; }
    bool hasFont() const { return m_hasFont; }
    QString elementName() const { return m_elementName; }
    bool showThrough() const { return m_showThrough; }

    // Each setter below that changes its value marks the component and the gallery modified and
    // sends changed() once; the same value again does neither.
    virtual void setSolidFill(bool value);
    virtual void setGradientFill(bool value);
    virtual void setFillColor(PackedColor value);
    virtual void setGradientColor(PackedColor value);
    virtual void setFillAlpha(int value);
    virtual void setGradientAngle(int value);
    virtual void setGradientAlpha(int value);
    virtual void setPictureFill(bool value);
    virtual void setPictureFile(const QString &path);
    virtual void setPictureName(const QString &name);
    virtual void setBorderSolid(bool value);
    virtual void setShowBorder(bool value);
    virtual void setBorderColor(PackedColor value);
    virtual void setMask(bool value);
    // Copies the component's pictures into a published gallery's images folder.
    virtual void copyFilesTo(const QString &folder);
    // The component's files in the published images folder, for the upload list.
    virtual QStringList imageFileNames() const;
    // Fills the Layout panel with this component's values.
    virtual void showProperties();

    void setFontAlpha(int value);
    void setFontY(int value);
    void setFontX(int value);
    void setFontText(const QString &value);
    void setFontColor(PackedColor value);
    void setItalic(bool value);
    void setBold(bool value);
    void setFontFace(const QString &value);
    void setFontSize(int value);

    // What each kind of component fixes when it is made, not a setting of the design: untracked.
    void setBareAttributes(bool value) { m_bareAttributes = value; }
    void setWriteGeometry(bool value) { m_writeGeometry = value; }
    void setHasFont(bool value) { m_hasFont = value; }
    void setElementName(const QString &name) { m_elementName = name; }
    void setShowThrough(bool value) { m_showThrough = value; }

    // The canvas point size for a player font size; 0 when the size has no mapping.
    static int previewPointSize(int playerSize);

    // The component's attribute lines: geometry, background, font.
    QString writeXml() override;
    void moveFinished() override;

    // Start line, closing line and end line of this component's element.
    QString startLine() const;
    static QString closeLine();
    QString endLine() const;

signals:
    // A panel should show this component's values.
    void propertiesRequested(StyledComponent *component);

protected:
    // Stores a setter's value: modified flags always, repaint unless asked not to.
    QString writeBackgroundXml() const;

private:
    bool m_solidFill = true;
    bool m_gradientFill = false;
    PackedColor m_fillColor = Colors::White;
    PackedColor m_gradientColor = Colors::Gray;
    int m_fillAlpha = 100;
    int m_gradientAngle = 70;
    int m_gradientAlpha = 70;
    bool m_pictureFill = false;
    QString m_picturePath;
    QString m_pictureName;
    QImage m_previewPicture;
    bool m_showBorder = false;
    bool m_borderSolid = false;
    PackedColor m_borderColor = Colors::Black;
    int m_fontAlpha = 100;
    int m_fontY = 0;
    int m_fontX = 0;
    bool m_bold = false;
    QString m_fontText;
    bool m_italic = false;
    QString m_fontFace;
    PackedColor m_fontColor = Colors::Black;
    int m_fontSize = 10;
    QFont m_previewFont;
    bool m_mask = true;
    bool m_bareAttributes = false;
    bool m_writeGeometry = true;
    bool m_hasFont = true;
    QString m_elementName;
    bool m_showThrough = false;
};
