#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// Keeps the designer to one running instance per user and application folder. The first
// instance listens on a local socket; a later one tells it to come to the front and exits.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(const QString &appFolder, QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this process is the only instance and now listens for later ones;
    // false when another instance was found and has been asked to come to the front.
    bool claim();

    QString serverName() const { return m_name; }

signals:
    void activationRequested();

private:
    bool notifyRunningInstance() const;

    QString m_name;
    QLocalServer *m_server = nullptr;
};
