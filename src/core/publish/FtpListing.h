#pragma once

#include "FtpSession.h"

#include <QByteArray>
#include <QList>

// Reads the folder listings that servers send: machine-readable MLSD lines, and the "ls -l" style
// (and MS-DOS style) lines of LIST and of SFTP. "." and ".." are left out.
class FtpListing
{
public:
    static QList<FtpListItem> parseMlsd(const QByteArray &data);
    static QList<FtpListItem> parseList(const QByteArray &data);
};
