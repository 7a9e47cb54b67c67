#pragma once

#include "ImageProcessor.h"

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>

// Runs ImageProcessor::Process on worker threads (one per core) for a batch import, and lets the
// window thread wait for one result while its events keep running.
class ImageImportQueue
{
public:
    class Task
    {
    public:
        explicit Task(ImportJob job) : m_job(std::move(job)) {}
        const ImportJob &job() const { return m_job; }
        bool done() const { return m_done.load(std::memory_order_acquire); }
        // Valid once done().
        const ImportOutcome &Outcome() const { return m_outcome; }
        // A task that has not started yet will not run (its result is no longer wanted).
        void abandon() { m_abandoned.store(true, std::memory_order_release); }

    private:
        friend class ImageImportQueue;
        void run();
        ImportJob m_job;
        ImportOutcome m_outcome;
        std::atomic<bool> m_done{false};
        std::atomic<bool> m_abandoned{false};
        std::mutex m_mutex;
        std::condition_variable m_finished;
    };

    static int workerCount();
    static std::shared_ptr<Task> start(const ImportJob &job);
    // Returns once the task is done. On the application's main thread the event loop runs
    // meanwhile (window events, the progress window's Cancel); elsewhere the thread blocks.
    static void wait(const std::shared_ptr<Task> &task);
};
