#include "LibraryFiles.h"

#include "vberror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace library {

namespace {

constexpr int ErrBadFileName = 52;
constexpr int ErrDeviceIO = 57;
constexpr int ErrFileExists = 58;
constexpr int ErrDiskFull = 61;
constexpr int ErrPermissionDenied = 70;
constexpr int ErrPathFileAccess = 75;
constexpr int ErrPathNotFound = 76;

[[noreturn]] void fail(int number)
{
    switch (number) {
    case ErrDiskFull:
        vbrt::raise(number, QStringLiteral("Disk full"));
    case ErrFileExists:
        vbrt::raise(number, QStringLiteral("File already exists"));
    case ErrPermissionDenied:
        vbrt::raise(number, QStringLiteral("Permission denied"));
    case ErrPathNotFound:
        vbrt::raise(number, QStringLiteral("Path not found"));
    default:
        vbrt::raise(number);
    }
}

// Raises the error that says why a file-system call failed (its errno), so that the user
// reads the real cause and not a guess.
[[noreturn]] void failWith(int code)
{
    switch (code) {
    case ENAMETOOLONG:
        vbrt::raise(ErrBadFileName, QStringLiteral("The name is too long for the file system"));
    case EEXIST:
    case ENOTEMPTY:
        fail(ErrFileExists);
    case ENOSPC:
    case EDQUOT:
        fail(ErrDiskFull);
    case ENOENT:
    case ENOTDIR:
        fail(ErrPathNotFound);
    case EACCES:
    case EPERM:
        fail(ErrPermissionDenied);
    case EROFS:
        vbrt::raise(ErrPermissionDenied, QStringLiteral("The disk is read-only"));
    case EIO:
        vbrt::raise(ErrDeviceIO, QStringLiteral("Device I/O error"));
    default:
        vbrt::raise(ErrPathFileAccess, QStringLiteral("Path/File access error (") +
                                           QString::fromLocal8Bit(std::strerror(code)) +
                                           QLatin1Char(')'));
    }
}

// A file descriptor closed when it goes out of scope.
class Descriptor
{
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    void reset(int fd)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }
    // Closes it now; the result of close.
    int close()
    {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result;
    }

private:
    int m_fd;
};

QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}

// Refuses anything but a regular file, by what it is.
[[noreturn]] void refuseNonFile(const QString& name, mode_t mode)
{
    QString what = QStringLiteral("is not an ordinary file");
    if (S_ISDIR(mode))
        what = QStringLiteral("is a folder");
    else if (S_ISFIFO(mode))
        what = QStringLiteral("is a named pipe");
    else if (S_ISCHR(mode) || S_ISBLK(mode))
        what = QStringLiteral("is a device");
    else if (S_ISSOCK(mode))
        what = QStringLiteral("is a socket");
    vbrt::raise(ErrPathFileAccess, QStringLiteral("Only ordinary files can be imported: \"") +
                                       name + QStringLiteral("\" ") + what + QLatin1Char('.'));
}

// Whether the real path of path lies strictly inside the real path of folder.
bool liesInside(const QString& path, const QString& folder)
{
    const QString real = QFileInfo(path).canonicalFilePath();
    const QString root = QFileInfo(folder).canonicalFilePath();
    return !real.isEmpty() && !root.isEmpty() && real != root && liesWithin(real, root);
}

// Removes a tree without following any link in it; the first failure's errno, 0 when all went.
int removeTree(const QString& path)
{
    const QDir dir(path);
    int firstFailure = 0;
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : entries) {
        const QByteArray entry = native(dir.filePath(name));
        struct stat info
        {
        };
        int failure = 0;
        if (::lstat(entry.constData(), &info) != 0)
            failure = errno;
        else if (S_ISDIR(info.st_mode))
            failure = removeTree(dir.filePath(name));
        else if (::unlink(entry.constData()) != 0)
            failure = errno;
        if (failure != 0 && firstFailure == 0)
            firstFailure = failure;
    }
    if (::rmdir(native(path).constData()) != 0 && firstFailure == 0)
        firstFailure = errno;
    return firstFailure;
}

} // namespace

bool isListedSuffix(const QString& fileName, const QString& suffixList)
{
    // Every suffix of a list has four characters: ".ppt", ".mpg".
    const QString tail = fileName.right(4);
    if (tail.size() < 4)
        return false;
    for (qsizetype at = 0; at + 4 <= suffixList.size(); at += 4) {
        if (QStringView(suffixList).mid(at, 4) == tail)
            return true;
    }
    return false;
}

bool isHiddenName(const QString& name)
{
    return name.startsWith(QLatin1Char('.'));
}

bool liesWithin(const QString& path, const QString& libraryFolder)
{
    const QString real = QFileInfo(path).canonicalFilePath();
    const QString root = QFileInfo(libraryFolder).canonicalFilePath();
    if (real.isEmpty() || root.isEmpty())
        return false;
    if (real == root)
        return true;
    return real.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'));
}

QStringList listedFiles(const QString& folder, const QString& suffixList)
{
    QStringList names;
    // Without QDir::System: no pipes, devices or broken links.
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files, QDir::Unsorted)) {
        if (!isHiddenName(name) && isListedSuffix(name, suffixList) &&
            liesInside(dir.filePath(name), folder))
            names << name;
    }
    // QString compares UTF-16 code units: binary order, "B" before "a".
    std::sort(names.begin(), names.end());
    return names;
}

QStringList subFolders(const QString& folder)
{
    QStringList names;
    const QDir dir(folder);
    for (const QString& name :
         dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        if (!isHiddenName(name) && liesInside(dir.filePath(name), folder))
            names << name;
    }
    return names;
}

QStringList imageFiles(const QString& folder, const QString& libraryFolder)
{
    QStringList names;
    const QDir dir(folder);
    // Name filters match without regard to case.
    for (const QString& name : dir.entryList({"*.jpg", "*.jpeg", "*.gif", "*.bmp", "*.png"},
                                             QDir::Files, QDir::Name | QDir::IgnoreCase)) {
        if (!isHiddenName(name) && liesInside(dir.filePath(name), libraryFolder))
            names << name;
    }
    return names;
}

QString folderNameProblem(const QString& name)
{
    const QString rule = QStringLiteral(
        "A Still Photos folder name must not be blank, must not be \".\" or \"..\" or begin "
        "with \".\", and must not contain \"/\", \"\\\" or control characters.");
    if (name.trimmed().isEmpty())
        return QStringLiteral("The folder name is blank.\r\n") + rule;
    const bool separator = name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'));
    const bool control = std::any_of(name.begin(), name.end(),
                                     [](QChar c) { return c.category() == QChar::Other_Control; });
    if (separator || control || isHiddenName(name))
        return QStringLiteral("The folder name \"") + name +
               QStringLiteral("\" cannot be used.\r\n") + rule;
    return {};
}

void copyInto(const QString& sourceFile, const QString& folder, const QString& libraryFolder)
{
    const QString name = QFileInfo(sourceFile).fileName();
    const QByteArray source = native(sourceFile);
    struct stat sourceInfo
    {
    };
    if (name.isEmpty())
        fail(vbrt::ErrFileNotFound);
    if (::stat(source.constData(), &sourceInfo) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            fail(vbrt::ErrFileNotFound);
        failWith(errno);
    }
    // A pipe would never end and a device might not either: they are never opened.
    if (!S_ISREG(sourceInfo.st_mode))
        refuseNonFile(name, sourceInfo.st_mode);
    if (!QFileInfo(folder).isDir())
        fail(ErrPathNotFound);
    if (!liesWithin(folder, libraryFolder))
        vbrt::raise(ErrPathFileAccess, QStringLiteral("The folder lies outside the library"));

    const QString target = QDir(folder).filePath(name);
    struct stat existing
    {
    };
    if (::lstat(native(target).constData(), &existing) == 0) {
        // Already in the library: copying it onto itself would only destroy it.
        if (S_ISREG(existing.st_mode) && existing.st_dev == sourceInfo.st_dev &&
            existing.st_ino == sourceInfo.st_ino)
            return;
        if (S_ISDIR(existing.st_mode))
            fail(ErrPermissionDenied);
    }

    // Non-blocking, so that a pipe put in the file's place since the check cannot hang us.
    Descriptor in(::open(source.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (in.get() < 0)
        failWith(errno);
    struct stat opened
    {
    };
    if (::fstat(in.get(), &opened) != 0)
        failWith(errno);
    if (!S_ISREG(opened.st_mode))
        refuseNonFile(name, opened.st_mode);

    // The copy is written under a short hidden name and then renamed over the target: a link
    // there is replaced, not followed, a failed copy leaves the old file, and a name too long
    // for the file system is reported as such by the rename.
    Descriptor out;
    QString temporary;
    for (int attempt = 0; out.get() < 0; ++attempt) {
        temporary = QDir(folder).filePath(
            QStringLiteral(".import-%1")
                .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
        out.reset(::open(native(temporary).constData(),
                         O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666));
        if (out.get() < 0 && (errno != EEXIST || attempt > 100))
            failWith(errno);
    }
    const QByteArray temporaryName = native(temporary);
    auto abandon = [&](int code) {
        out.reset(-1);
        ::unlink(temporaryName.constData());
        failWith(code);
    };
    std::vector<char> buffer(1 << 20);
    for (;;) {
        const ssize_t got = ::read(in.get(), buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            abandon(errno);
        if (got == 0)
            break;
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(out.get(), buffer.data() + done, size_t(got - done));
            if (put < 0 && errno == EINTR)
                continue;
            if (put < 0)
                abandon(errno);
            done += put;
        }
    }
    if (::fsync(out.get()) != 0)
        abandon(errno);
    if (out.close() != 0)
        abandon(errno);
    if (::rename(temporaryName.constData(), native(target).constData()) != 0) {
        const int code = errno;
        ::unlink(temporaryName.constData());
        failWith(code == EISDIR ? EACCES : code);
    }
}

void createFolder(const QString& parent, const QString& name)
{
    const QDir dir(parent);
    if (!dir.exists())
        fail(ErrPathNotFound);
    if (::mkdir(native(dir.filePath(name)).constData(), 0777) != 0)
        failWith(errno);
}

void deleteFolder(const QString& parent, const QString& name)
{
    const QString path = QDir(parent).filePath(name);
    const QByteArray entry = native(path);
    struct stat info
    {
    };
    if (::lstat(entry.constData(), &info) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            fail(ErrPathNotFound);
        failWith(errno);
    }
    if (S_ISLNK(info.st_mode)) {
        if (::unlink(entry.constData()) != 0)
            failWith(errno);
        return;
    }
    if (!S_ISDIR(info.st_mode) || !liesInside(path, parent))
        fail(ErrPathNotFound);
    if (const int failure = removeTree(path); failure != 0)
        failWith(failure);
}

bool deleteFile(const QString& path, const QString& libraryFolder)
{
    const QFileInfo file(path);
    struct stat info
    {
    };
    if (::lstat(native(path).constData(), &info) != 0 || S_ISDIR(info.st_mode))
        return false;
    // Neither the file nor the folder it is in may lead out of the library.
    if (!liesWithin(file.absolutePath(), libraryFolder) || !liesInside(path, libraryFolder))
        return false;
    return ::unlink(native(path).constData()) == 0;
}

} // namespace library
