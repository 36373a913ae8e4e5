#pragma once

#include <QString>
#include <QTemporaryDir>

// A temporary program folder laid out like the build's: fresh databases from the templates,
// the home page picture and the media folders.
class ProgramFolder
{
public:
    ProgramFolder();

    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }
    bool isValid() const { return m_dir.isValid() && m_ok; }

    // Reads the whole log of the run.
    QString log() const;
    QStringList logTexts() const; // the entries' texts without their time stamps

private:
    QTemporaryDir m_dir;
    bool m_ok = false;
};
