#include "ImportProgress.h"

using namespace Qt::StringLiterals;

namespace {
ImportProgress s_silent;
ImportProgress *s_current = nullptr;
} // namespace

ImportProgress *ImportProgress::Current()
{
    return s_current ? s_current : &s_silent;
}

void ImportProgress::SetCurrent(ImportProgress *progress)
{
    s_current = progress;
}

QString ImportProgress::LoadingText() { return u"Loading..."_s; }
QString ImportProgress::ScalingText() { return u"Scaling..."_s; }
QString ImportProgress::CreatingThumbnailText() { return u"Creating Thumbnail..."_s; }
QString ImportProgress::DoneText() { return u"Done"_s; }
