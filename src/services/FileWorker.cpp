// SPDX-License-Identifier: GPL-3.0-or-later
#include "services/FileWorker.h"

#include <QMetaObject>
#include <QObject>

#include <utility>

namespace services {

FileWorker::FileWorker() : m_receiver(std::make_unique<QObject>()), m_thread([this] { Work(); }) {}

FileWorker::~FileWorker() {
    Stop();
}

void FileWorker::Stop() {
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void FileWorker::Settle() {
    // What lands may ask for more (the games rated during a rewrite are written after it).
    for (;;) {
        {
            std::unique_lock lock(m_mutex);
            m_idle.wait(lock, [this] { return m_jobs.empty() && !m_working; });
            if (m_landed.empty())
                return;
        }
        Land();
    }
}

void FileWorker::Post(Job work) {
    {
        const std::lock_guard lock(m_mutex);
        m_jobs.push_back(std::move(work));
    }
    m_wake.notify_one();
}

void FileWorker::Work() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stop || !m_jobs.empty(); });
        if (m_jobs.empty())
            return;  // stopped, and nothing left to do
        Job job = std::move(m_jobs.front());
        m_jobs.pop_front();
        m_working = true;
        lock.unlock();
        std::function<void()> landing = job();
        lock.lock();
        m_landed.push_back(std::move(landing));
        m_working = false;
        if (m_jobs.empty())
            m_idle.notify_all();
        lock.unlock();
        // Handed to the board's thread by its event loop, unless Settle has taken it already.
        QMetaObject::invokeMethod(
            m_receiver.get(), [this] { Land(); }, Qt::QueuedConnection);
        lock.lock();
    }
}

void FileWorker::Land() {
    std::vector<std::function<void()>> landed;
    {
        const std::lock_guard lock(m_mutex);
        landed.swap(m_landed);
    }
    for (std::function<void()>& landing : landed) landing();
}

}  // namespace services
