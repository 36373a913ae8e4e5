#pragma once

#include <QString>
#include <QStringList>

// File work of the multimedia library: which files a list shows, safe names, copying into a
// library folder and removing a photo set.
namespace library {

// Whether a file name ends in one of the suffixes of the list (".mpg.mov.wmv.asf.avi"): its
// last four characters, with exact case, are one of the list's four-character entries.
bool isListedSuffix(const QString& fileName, const QString& suffixList);

// The listed files of a folder, sorted by character code (capital letters before small).
QStringList listedFiles(const QString& folder, const QString& suffixList);

// The sub-folders of a folder, by name.
QStringList subFolders(const QString& folder);

// The picture files of a folder (.jpg, .jpeg, .gif, .bmp, .png in any case), by name.
QStringList imageFiles(const QString& folder);

// Empty when the name can be used as one folder directly inside another, else why not: no
// separators, not "." or "..", not blank, no control characters.
QString folderNameProblem(const QString& name);

// Copies a file into a folder under the file's own name, replacing a file of that name. The
// destination is always directly inside the folder; an existing link there is replaced, never
// followed, and a failed copy leaves the old file as it was. Raises a run-time error with the
// run time's description (53 File not found, 70 Permission denied, 76 Path not found).
void copyInto(const QString& sourceFile, const QString& folder);

// Creates one folder inside an existing one (58 File already exists, 76 Path not found, 70).
void createFolder(const QString& parent, const QString& name);

// Deletes a folder inside parent with everything in it. A folder that is a link loses the
// link only: nothing outside parent is touched. Raises 76 when it is missing, 70 when it
// cannot be removed.
void deleteFolder(const QString& parent, const QString& name);

} // namespace library
