#include "ImportProgress.h"

using namespace Qt::StringLiterals;

namespace {
ImportProgress s_silent;
ImportProgress *s_current = nullptr;
} // namespace

ImportProgress *ImportProgress::current()
{
    return s_current ? s_current : &s_silent;
}

void ImportProgress::setCurrent(ImportProgress *progress)
{
    s_current = progress;
}

QString ImportProgress::loadingText() { return u"Loading..."_s; }
QString ImportProgress::scalingText() { return u"Scaling..."_s; }
QString ImportProgress::creatingThumbnailText() { return u"Creating Thumbnail..."_s; }
QString ImportProgress::doneText() { return u"Done"_s; }
