#include "ImageImportQueue.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QObject>
#include <QThread>
#include <QThreadPool>

namespace {

// Tells the window thread that some task has finished.
class FinishedNotifier : public QObject
{
    Q_OBJECT
signals:
    void taskFinished();
};

struct Runtime
{
    // Declared first, destroyed last: the pool waits for its workers before the notifier goes.
    FinishedNotifier notifier;
    QThreadPool pool;

    Runtime();
};

Runtime &workers()
{
    static Runtime runtime;
    return runtime;
}

// A photo still being decoded when the application object goes would read through image plugins
// that are being unloaded: the application waits for it, and photos not started are dropped.
void stopWorkers()
{
    workers().pool.clear();
    workers().pool.waitForDone();
}

Runtime::Runtime()
{
    pool.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
    qAddPostRoutine(stopWorkers);
}

} // namespace

void ImageImportQueue::Task::run()
{
    {
        // Pairs with the lock in Start: the job is visible here whatever the pool does.
        std::lock_guard lock(m_mutex);
    }
    if (!m_abandoned.load(std::memory_order_acquire))
        m_outcome = ImageProcessor::process(m_job);
    {
        std::lock_guard lock(m_mutex);
        m_done.store(true, std::memory_order_release);
    }
    m_finished.notify_all();
    emit workers().notifier.taskFinished();
}

int ImageImportQueue::workerCount()
{
    return workers().pool.maxThreadCount();
}

std::shared_ptr<ImageImportQueue::Task> ImageImportQueue::start(const ImportJob &job)
{
    auto task = std::make_shared<Task>(job);
    {
        std::lock_guard lock(task->m_mutex);
    }
    workers().pool.start([task] { task->run(); });
    return task;
}

void ImageImportQueue::wait(const std::shared_ptr<Task> &task)
{
    if (task->done())
        return;
    QCoreApplication *app = QCoreApplication::instance();
    if (app && QThread::currentThread() == app->thread()) {
        QEventLoop loop;
        // Queued: the signal comes from a worker; a finish that happens before exec() is waiting
        // in the event queue and ends the loop at once.
        QObject::connect(&workers().notifier, &FinishedNotifier::taskFinished, &loop, &QEventLoop::quit,
                         Qt::QueuedConnection);
        while (!task->done())
            loop.exec();
        return;
    }
    std::unique_lock lock(task->m_mutex);
    task->m_finished.wait(lock, [&] { return task->done(); });
}

#include "ImageImportQueue.moc"
