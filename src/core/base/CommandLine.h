#pragma once

#include <QString>
#include <QStringList>

// The options every Fotovia program understands, taken off the argument list.
struct CommonOptions
{
    QString appFolder;     // --app-folder DIR, or the executable's folder
    QStringList arguments; // what remains, program name excluded
    QString error;         // set when the options are malformed
};

CommonOptions parseCommonOptions(const QStringList &arguments, const QString &defaultAppFolder);
