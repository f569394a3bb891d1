// The single-instance guard on QLockFile.
#include "common/SingleInstance.h"

#include <QDir>
#include <QFileInfo>

namespace quendra::app {

QString instanceLockName(const QString& programFile) {
    return QFileInfo(programFile).fileName().toLower() + QStringLiteral(".lock");
}

SingleInstance::SingleInstance(const QString& programFile, const QString& folder)
    : lockFileName_(QDir(folder).filePath(instanceLockName(programFile))),
      lock_(std::make_unique<QLockFile>(lockFileName_)) {
    // The lock lives as long as the program: it is stale only when its owner no longer runs,
    // never because of its age.
    lock_->setStaleLockTime(0);
}

bool SingleInstance::acquire() {
    return lock_->isLocked() || lock_->tryLock(0);
}

} // namespace quendra::app
