#pragma once

#include <QDir>
#include <QProcess>
#include <QString>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

// Limits the size of files this process may write while it lives, so that a write fails part
// of the way through ("File too large"), also for root. SIGXFSZ is ignored meanwhile, so the
// failing write returns an error instead of ending the process.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        applied_ = getrlimit(RLIMIT_FSIZE, &saved_) == 0;
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        applied_ = applied_ && setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    // Whether the limit is in force.
    bool applied() const { return applied_; }

  private:
    bool applied_ = false;
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

// A tiny tmpfs mounted on an empty folder while it lives: a full disk for the tests. Only
// root can mount it; mounted() is false otherwise, and the test skips.
class TinyDisk {
  public:
    TinyDisk(const QString& folder, const char* size) : folder_(folder) {
        if (geteuid() != 0 || !QDir().mkpath(folder)) return;
        mounted_ = QProcess::execute(QStringLiteral("mount"),
                                     {"-t", "tmpfs", "-o", QStringLiteral("size=%1").arg(size),
                                      "tmpfs", folder}) == 0;
    }
    ~TinyDisk() {
        if (mounted_) QProcess::execute(QStringLiteral("umount"), {folder_});
    }
    TinyDisk(const TinyDisk&) = delete;
    TinyDisk& operator=(const TinyDisk&) = delete;
    bool mounted() const { return mounted_; }

  private:
    QString folder_;
    bool mounted_ = false;
};
