#pragma once

#include <QString>

// The project's web pages that the Help menu and the about window open.
namespace ProjectLinks {
inline QString HomePage() { return QStringLiteral("https://fotovia.org/"); }
inline QString OnlineHelp() { return QStringLiteral("https://fotovia.org/help/"); }
inline QString ContactUs() { return QStringLiteral("https://fotovia.org/contact/"); }
} // namespace ProjectLinks
