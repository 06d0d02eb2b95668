// While one of these lives, no byte may be added to any file of the process: what a full disk
// does to a write, without needing one.
#pragma once

#include <csignal>
#include <sys/resource.h>

class TVlFullDisk {
public:
    TVlFullDisk()
    {
        std::signal(SIGXFSZ, SIG_IGN); // the write fails instead of ending the process
        ::getrlimit(RLIMIT_FSIZE, &FSaved);
        rlimit none = FSaved;
        none.rlim_cur = 0;
        ::setrlimit(RLIMIT_FSIZE, &none);
    }
    ~TVlFullDisk() { ::setrlimit(RLIMIT_FSIZE, &FSaved); }
    TVlFullDisk(const TVlFullDisk &) = delete;
    TVlFullDisk &operator=(const TVlFullDisk &) = delete;

private:
    rlimit FSaved{};
};
