#pragma once

#include <QString>

// The project's web pages that the Help menu and the about window open.
namespace ProjectLinks {
inline QString homePage() { return QStringLiteral("https://fotovia.org/"); }
inline QString onlineHelp() { return QStringLiteral("https://fotovia.org/help/"); }
inline QString contactUs() { return QStringLiteral("https://fotovia.org/contact/"); }
} // namespace ProjectLinks
