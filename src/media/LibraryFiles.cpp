#include "LibraryFiles.h"

#include "vberror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace library {

namespace {

constexpr int ErrDiskFull = 61;
constexpr int ErrFileExists = 58;
constexpr int ErrPermissionDenied = 70;
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

QStringList listedFiles(const QString& folder, const QString& suffixList)
{
    QStringList names;
    const QStringList all = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Unsorted);
    for (const QString& name : all) {
        if (isListedSuffix(name, suffixList))
            names << name;
    }
    // QString compares UTF-16 code units: binary order, "B" before "a".
    std::sort(names.begin(), names.end());
    return names;
}

QStringList subFolders(const QString& folder)
{
    return QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

QStringList imageFiles(const QString& folder)
{
    // Name filters match without regard to case.
    return QDir(folder).entryList({"*.jpg", "*.jpeg", "*.gif", "*.bmp", "*.png"}, QDir::Files,
                                  QDir::Name | QDir::IgnoreCase);
}

QString folderNameProblem(const QString& name)
{
    const QString rule = QStringLiteral(
        "A Still Photos folder name must not be blank and must not contain \"/\", \"\\\" or "
        "\"..\".");
    if (name.trimmed().isEmpty())
        return QStringLiteral("The folder name is blank.\r\n") + rule;
    const bool separator = name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'));
    const bool control = std::any_of(name.begin(), name.end(),
                                     [](QChar c) { return c.category() == QChar::Other_Control; });
    if (separator || control || name == QLatin1String(".") || name.contains(QLatin1String("..")))
        return QStringLiteral("The folder name \"") + name +
               QStringLiteral("\" cannot be used.\r\n") + rule;
    return {};
}

void copyInto(const QString& sourceFile, const QString& folder)
{
    const QFileInfo source(sourceFile);
    const QString name = source.fileName();
    if (!source.exists() || source.isDir() || name.isEmpty())
        fail(vbrt::ErrFileNotFound);
    if (!QFileInfo(folder).isDir())
        fail(ErrPathNotFound);
    const QString target = QDir(folder).filePath(name);
    const QFileInfo existing(target);
    if (existing.exists() && !existing.isSymLink() &&
        existing.canonicalFilePath() == source.canonicalFilePath())
        return; // already in the library: copying it onto itself would only destroy it
    if (existing.isDir() && !existing.isSymLink())
        fail(ErrPermissionDenied);
    // A link in the library may point anywhere; the import replaces the link itself.
    if (existing.isSymLink() && !QFile::remove(target))
        fail(ErrPermissionDenied);

    QFile in(sourceFile);
    if (!in.open(QIODevice::ReadOnly))
        fail(ErrPermissionDenied);
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        fail(ErrPermissionDenied);
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(1 << 20);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError) {
            out.cancelWriting();
            fail(ErrPermissionDenied);
        }
        if (out.write(chunk) != chunk.size()) {
            out.cancelWriting();
            fail(ErrDiskFull);
        }
    }
    if (!out.commit())
        fail(ErrDiskFull);
}

void createFolder(const QString& parent, const QString& name)
{
    const QDir dir(parent);
    if (!dir.exists())
        fail(ErrPathNotFound);
    const QFileInfo target(dir.filePath(name));
    if (target.exists() || target.isSymLink())
        fail(ErrFileExists);
    if (!dir.mkdir(name))
        fail(ErrPermissionDenied);
}

void deleteFolder(const QString& parent, const QString& name)
{
    const QString path = QDir(parent).filePath(name);
    const QFileInfo folder(path);
    if (folder.isSymLink()) {
        if (!QFile::remove(path))
            fail(ErrPermissionDenied);
        return;
    }
    if (!folder.isDir())
        fail(ErrPathNotFound);
    if (!QDir(path).removeRecursively())
        fail(ErrPermissionDenied);
}

} // namespace library
