#pragma once

#include "FflashComponentBaseClass.h"

// A push button of the gallery. The player gives it one of three actions: "toggleplaypause",
// "togglesounds" or "showcatagories". It shows either its texts or its icons.
class FflashButtonClass : public FflashComponentBaseClass
{
    Q_OBJECT
public:
    explicit FflashButtonClass(QObject *owner = nullptr);

    QString Text() const { return m_textOn; }
    QString ToggleText() const { return m_textOff; }
    bool Toggle() const { return m_toggle; }
    QString Action() const { return m_action; }
    QString OnIconName() const { return m_onIconName; }
    QString OffIconName() const { return m_offIconName; }
    QString OnIconPath() const { return m_onIconPath; }
    QString OffIconPath() const { return m_offIconPath; }
    bool ShowText() const { return m_showText; }
    // The icon last loaded by either icon setter.
    const QImage &IconPicture() const { return m_iconPicture; }

    void SetText(const QString &text);
    void SetToggleText(const QString &text);
    void SetToggle(bool value);
    void SetAction(const QString &action);
    void SetShowText(bool value);
    void SetOnIcon(const QString &file);
    void SetOffIcon(const QString &file);

    QString WriteXml() override;
    void CopyFilesTo(const QString &folder) override;
    void CollectFiles() override;

private:
    void SetIcon(const QString &file, QString &path, QString &name);

    QString m_textOn;
    QString m_textOff;
    bool m_toggle = false;
    QString m_action;
    QString m_onIconName;
    QString m_offIconName;
    bool m_showText = false;
    QImage m_iconPicture;
    QString m_onIconPath;
    QString m_offIconPath;
};
