// The single-instance guard: a lock file named after the program file, held while the program
// runs. A lock left behind by a copy that crashed does not block a new start.
#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace quendra::app {

inline constexpr const char* AlreadyRunningText = "Das Program Quendra läuft bereits!";

class SingleInstance {
public:
    // The lock "<program file name in lower case>.lock" in the given folder (the temp folder).
    SingleInstance(const QString& programFile, const QString& folder);

    // True when this copy now holds the lock; false while another running copy holds it.
    bool acquire();

    QString lockFileName() const { return lockFileName_; }

private:
    QString lockFileName_;
    std::unique_ptr<QLockFile> lock_;
};

// The lock file's name for a program file: its file name in lower case plus ".lock".
QString instanceLockName(const QString& programFile);

} // namespace quendra::app
