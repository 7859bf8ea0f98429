#include "app/WorkingFolderLock.h"

#include <QDir>

WorkingFolderLock::WorkingFolderLock()
    : file_(QDir::current().absoluteFilePath(QString::fromLatin1(FILE_NAME))) {
    // A window may stay open for days: a lock is stale only when its copy has gone, never
    // because it is old (where the folder takes no file locks, as on some network shares, age
    // would be all the check had).
    file_.setStaleLockTime(0);
    held_ = file_.tryLock(0);
}
