#pragma once

#include "StyledComponent.h"

// A push button of the gallery. The player gives it one of three actions: "toggleplaypause",
// "togglesounds" or "showcatagories". It shows either its texts or its icons.
class GalleryButton : public StyledComponent
{
    Q_OBJECT
public:
    explicit GalleryButton(QObject *owner = nullptr);

    QString text() const { return m_textOn; }
    QString toggleText() const { return m_textOff; }
    bool toggle() const { return m_toggle; }
    QString action() const { return m_action; }
    QString onIconName() const { return m_onIconName; }
    QString offIconName() const { return m_offIconName; }
    QString onIconPath() const { return m_onIconPath; }
    QString offIconPath() const { return m_offIconPath; }
    bool showText() const { return m_showText; }
    // The icon last loaded by either icon setter.
    const QImage &iconPicture() const { return m_iconPicture; }

    void setText(const QString &text);
    void setToggleText(const QString &text);
    void setToggle(bool value);
    void setAction(const QString &action);
    void setShowText(bool value);
    void setOnIcon(const QString &file);
    void setOffIcon(const QString &file);

    QString writeXml() override;
    void copyFilesTo(const QString &folder) override;
    QStringList imageFileNames() const override;

private:
    void setIcon(const QString &file, QString &given, QString &path, QString &name);

    QString m_textOn;
    QString m_textOff;
    bool m_toggle = false;
    QString m_action;
    QString m_onIconName;
    QString m_offIconName;
    bool m_showText = false;
    QImage m_iconPicture;
    QString m_onIconFile; // as given to setOnIcon
    QString m_offIconFile;
    QString m_onIconPath;
    QString m_offIconPath;
};
