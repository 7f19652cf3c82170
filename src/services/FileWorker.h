// SPDX-License-Identifier: GPL-3.0-or-later
// services::FileWorker: one thread that does the slow file work of the game's history in the
// order it was asked for, and hands what each job gives back to the thread that made the worker
// (the board's), through that thread's event loop.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class QObject;

namespace services {

class FileWorker {
  public:
    // A job runs on the worker; what it gives back runs on the thread that made the worker.
    using Job = std::function<std::function<void()>()>;

    FileWorker();
    // Stops (see Stop).
    ~FileWorker();
    FileWorker(const FileWorker&) = delete;
    FileWorker& operator=(const FileWorker&) = delete;

    void Post(Job job);
    // Waits until every job asked for so far has run, and runs what they gave back (and what
    // those ask for in turn) on this thread.
    void Settle();
    // Runs the jobs still asked for and ends the thread; nothing is posted after.
    void Stop();

  private:
    void Work();
    void Land();

    std::unique_ptr<QObject> m_receiver;  // on the board's thread, where results are handed
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<Job> m_jobs;
    std::vector<std::function<void()>> m_landed;
    bool m_working = false;
    bool m_stop = false;
    std::thread m_thread;
};

}  // namespace services
