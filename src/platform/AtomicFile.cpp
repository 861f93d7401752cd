#include "platform/AtomicFile.h"

#include "platform/PlatformError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

[[noreturn]] void fail(const QString& path, const QString& reason)
{
    throw Error(kFileWriteError,
                QStringLiteral("Cannot write the file %1: %2").arg(QDir::toNativeSeparators(path), reason));
}

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)) + QLatin1Char('.'); }

// The file a save replaces: where a symbolic link points, so that the link stays a link.
QString replacedFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath();
}

// The permissions the new file takes: those of the file it replaces, or what the user's mask lets a
// new file have.
mode_t permissionsFor(const QByteArray& target)
{
    struct stat st {};
    if (::stat(target.constData(), &st) == 0)
        return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A temporary file beside the target, removed again unless it took the target's name.
class TemporaryFile {
public:
    explicit TemporaryFile(const QByteArray& target) : name_(target + ".XXXXXX")
    {
        fd_ = ::mkostemp(name_.data(), O_CLOEXEC);
        if (fd_ < 0)
            name_.clear();
    }
    ~TemporaryFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (!name_.isEmpty())
            ::unlink(name_.constData());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd() const { return fd_; }
    const QByteArray& name() const { return name_; }
    // 0, or the error with which closing reported a write that did not reach the disk.
    int close()
    {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }
    void kept() { name_.clear(); }

private:
    QByteArray name_;
    int fd_ = -1;
};

// Writes every byte, unbuffered; 0 or the error that stopped it (a full disk, a file-size limit).
int writeAll(int fd, const QByteArray& bytes)
{
    const char* at = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, at, static_cast<size_t>(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return ENOSPC;
        at += n;
        left -= n;
    }
    return 0;
}

// Makes the new name of the file last through a power cut; a folder that cannot be synced is not
// an error (the file's own bytes are already on the disk).
void syncFolder(const QByteArray& target)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(target)).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

void writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    if (path.isEmpty())
        fail(path, QStringLiteral("no file name was given."));
    const QByteArray target = QFile::encodeName(replacedFile(path));

    TemporaryFile temporary(target);
    if (temporary.fd() < 0)
        fail(path, systemReason(errno));
    if (::fchmod(temporary.fd(), permissionsFor(target)) != 0)
        fail(path, systemReason(errno));
    if (const int error = writeAll(temporary.fd(), bytes))
        fail(path, systemReason(error));
    // Only once the bytes are on the disk does the new file take the old one's place.
    if (::fsync(temporary.fd()) != 0)
        fail(path, systemReason(errno));
    if (const int error = temporary.close())
        fail(path, systemReason(error));
    if (::rename(temporary.name().constData(), target.constData()) != 0)
        fail(path, systemReason(errno));
    temporary.kept();
    syncFolder(target);
}

} // namespace platform
