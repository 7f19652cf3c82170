// SPDX-License-Identifier: GPL-3.0-or-later
// FullDisk: a file-size limit for one test, which stands in for a full disk and stops writes
// even for root; SIGXFSZ is ignored meanwhile, as the game ignores it.
#pragma once

#include <csignal>

#include <sys/resource.h>

namespace gametest {

class FullDisk {
  public:
    explicit FullDisk(rlim_t bytes) : m_handler(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk() {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_handler);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

  private:
    rlimit m_old{};
    void (*m_handler)(int);
};

}  // namespace gametest
