#pragma once

#include <QString>

// The reversible encoding of stored passwords. Mode 1 encodes a text for storing, mode 0 decodes a
// stored text. Decoding gives back exactly what encoding was given; the encoded form is plain
// hexadecimal (never a NUL) and the empty text stays empty both ways. A stored value that is not a
// valid encoding decodes to the empty text.
QString cryptoFix(const QString &text, const QString &key, int mode);
