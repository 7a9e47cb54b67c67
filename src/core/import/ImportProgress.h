#pragma once

#include <QString>

// What the image import reports to the progress window: the operations it calls, in
// the order and with the percentages. The progress window implements this interface
// and registers itself with SetCurrent at start-up; until then (and in the command-line tool and
// the tests) the calls go to a sink that ignores them.
//
// The import calls SetStatus, SetCurrentImage and SetPercent on the window thread. The window's
// implementation lets pending window events run in SetStatus and SetCurrentImage (not in
// SetPercent), which is how its Cancel button is noticed.
class ImportProgress
{
public:
    virtual ~ImportProgress() = default;

    // The add-images flow: before its loop, once per file, and before each file.
    virtual void setTotal(int count) { (void)count; }
    virtual void Step() {}
    virtual bool cancelled() const { return false; }

    // The import.
    virtual void setStatus(const QString &text) { (void)text; }
    virtual void setCurrentImage(const QString &name) { (void)name; }
    virtual void setPercent(int percent) { (void)percent; }

    // The progress that imports report to when the caller names none; never null.
    static ImportProgress *current();
    // Registers the progress window (nullptr: back to the sink that ignores every call).
    static void setCurrent(ImportProgress *progress);

    // The texts of the status row.
    static QString loadingText();
    static QString scalingText();
    static QString creatingThumbnailText();
    static QString doneText();
};
