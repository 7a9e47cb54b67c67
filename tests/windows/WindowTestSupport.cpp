#include "WindowTestSupport.h"

#include "AppFolders.h"
#include "FileDialog.h"
#include "MessageBox.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

OpenedUrls::OpenedUrls()
{
    for (const QString &scheme : {u"file"_s, u"http"_s, u"https"_s})
        QDesktopServices::setUrlHandler(scheme, this, "open");
}

OpenedUrls::~OpenedUrls()
{
    for (const QString &scheme : {u"file"_s, u"http"_s, u"https"_s})
        QDesktopServices::unsetUrlHandler(scheme);
}

void WindowTest::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    // Each test its own settings file, also when tests run side by side.
    m_oldConfigHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.path() + u"/config"_s));
    QDir().mkpath(m_dir.path() + u"/app"_s);
    AppFolders::setup(m_dir.path() + u"/app/"_s);
    FileDialog::clear();
    MessageBox::clearHistory();
    // A box the test did not expect is answered with its default instead of waiting forever.
    MessageBox::setAutoAnswer(true);
    m_opened = new OpenedUrls;
}

void WindowTest::TearDown()
{
    delete m_opened;
    m_opened = nullptr;
    FileDialog::clear();
    MessageBox::setAutoAnswer(false);
    MessageBox::clearHistory();
    if (m_oldConfigHome.isEmpty())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", m_oldConfigHome);
}
