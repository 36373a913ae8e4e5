#pragma once

#include <QString>
#include <QStringList>

// File work of the multimedia library: which files a list shows, safe names, copying into a
// library folder and removing a photo set.
//
// Only what really lies inside a library folder belongs to the library: an entry whose real
// path (links resolved) is elsewhere is not listed, and nothing is written or deleted through
// it. Names beginning with "." are left out too: they are the hidden files other systems leave
// behind ("._house tour.avi"), not library files.
namespace library {

// Whether a file name ends in one of the suffixes of the list (".mpg.mov.wmv.asf.avi"): its
// last four characters, with exact case, are one of the list's four-character entries.
bool isListedSuffix(const QString& fileName, const QString& suffixList);

// A hidden file's name: it begins with ".".
bool isHiddenName(const QString& name);

// Whether the real path of path lies inside (or is) the real path of libraryFolder. False
// when either does not exist.
bool liesWithin(const QString& path, const QString& libraryFolder);

// The listed files of a folder, sorted by character code (capital letters before small).
QStringList listedFiles(const QString& folder, const QString& suffixList);

// The sub-folders of a folder, by name.
QStringList subFolders(const QString& folder);

// The picture files of a folder (.jpg, .jpeg, .gif, .bmp, .png in any case) that lie inside
// libraryFolder, by name.
QStringList imageFiles(const QString& folder, const QString& libraryFolder);

// Empty when the name can be used as one folder directly inside another, else why not: not
// blank, not "." or "..", no "/" or "\", no control characters, no leading "." (such a folder
// would be hidden from the list).
QString folderNameProblem(const QString& name);

// Copies a regular file into a folder under the file's own name, replacing a file of that
// name. The folder must lie inside libraryFolder; the destination is always directly inside
// it; an existing link there is replaced, never followed, and a failed copy leaves the old
// file as it was. Anything but a regular file (a folder, a named pipe, a device) is refused
// without being opened. Raises a run-time error whose description says the real cause
// (53 File not found, 58, 61 Disk full, 70 Permission denied, 76 Path not found, a name too
// long for the file system ...).
void copyInto(const QString& sourceFile, const QString& folder, const QString& libraryFolder);

// Creates one folder inside an existing one (58 File already exists, 76 Path not found, or
// the real cause of the failure).
void createFolder(const QString& parent, const QString& name);

// Deletes a folder inside parent with everything in it. A folder that is a link loses the
// link only: nothing outside parent is touched. Raises 76 when it is missing, or the real
// cause when it cannot be removed.
void deleteFolder(const QString& parent, const QString& name);

// Deletes one file of the library; false when it lies outside libraryFolder, is no file or
// cannot be removed. A link is removed as a link.
bool deleteFile(const QString& path, const QString& libraryFolder);

} // namespace library
