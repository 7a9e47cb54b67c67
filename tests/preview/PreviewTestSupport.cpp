#include "PreviewTestSupport.h"

#include "AppFolders.h"
#include "FileDialog.h"
#include "MessageBox.h"
#include "PreviewWindow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

// Before main: the browser engine reads this when the first view starts.
const bool s_engineReady = [] {
    PreviewWindow::prepareWebEngine();
    return true;
}();

} // namespace

Watchdog::Watchdog(std::chrono::seconds limit, const char *what)
{
    m_thread = std::thread([this, limit, what] {
        std::unique_lock lock(m_mutex);
        if (!m_done.wait_for(lock, limit, [this] { return m_finished; })) {
            std::fprintf(stderr, "FAILED: %s did not finish within %lld s; the browser engine is not answering\n",
                         what, static_cast<long long>(limit.count()));
            std::fflush(stderr);
            std::_Exit(3);
        }
    });
}

Watchdog::~Watchdog()
{
    {
        std::lock_guard lock(m_mutex);
        m_finished = true;
    }
    m_done.notify_all();
    m_thread.join();
}

void PreviewTest::SetUp()
{
    (void)s_engineReady;
    ASSERT_TRUE(m_dir.isValid());
    m_oldConfigHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(path(u"config"_s)));

    const QString app = path(u"app/"_s);
    const QString built = builtAppFolder();
    for (const QString &file : {u"background sounds/butteryLoop1.mp3"_s, u"mouseover sounds/default.mp3"_s}) {
        QDir().mkpath(QFileInfo(app + file).absolutePath());
        QFile::copy(built + file, app + file);
    }
    // The player the build installs, or the one in the source tree while it is not installed.
    QString player = built + u"swf/fotovia-player.js"_s;
    if (!QFileInfo(player).isFile())
        player = QStringLiteral(FOTOVIA_SOURCE_PLAYER);
    QDir().mkpath(app + u"swf"_s);
    ASSERT_TRUE(QFile::copy(player, app + u"swf/fotovia-player.js"_s)) << player.toStdString();
    AppFolders::setup(app);

    FileDialog::clear();
    MessageBox::clearHistory();
    MessageBox::setAutoAnswer(true);
}

void PreviewTest::TearDown()
{
    FileDialog::clear();
    MessageBox::setAutoAnswer(false);
    MessageBox::clearHistory();
    if (m_oldConfigHome.isEmpty())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", m_oldConfigHome);
}

QString PreviewTest::makePhoto(const QString &name, QColor colour, int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(colour);
    const QString path = this->path(u"photos/"_s + name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    EXPECT_TRUE(picture.save(path, "JPG", 95)) << path.toStdString();
    return path;
}

bool near(QColor actual, QColor expected, int tolerance)
{
    return std::abs(actual.red() - expected.red()) <= tolerance
        && std::abs(actual.green() - expected.green()) <= tolerance
        && std::abs(actual.blue() - expected.blue()) <= tolerance;
}
