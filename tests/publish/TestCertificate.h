#pragma once

#include <QString>

// A throw-away self-signed certificate for 127.0.0.1, written into a folder of the test's.
struct TestCertificate
{
    QString key;
    QString cert;
    QString fingerprint; // "SHA256:AB:CD:...", as the session reports it; empty when openssl failed

    static TestCertificate make(const QString &folder);
};
