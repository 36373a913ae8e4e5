#pragma once

#include <QString>

namespace platform {
class Dialogs;
}

// The plain-text log of one run: one line an entry, each written and closed at once so it
// survives a crash.
class ProgramLog
{
public:
    explicit ProgramLog(platform::Dialogs& dialogs);
    ~ProgramLog(); // writes the closing entries

    ProgramLog(const ProgramLog&) = delete;
    ProgramLog& operator=(const ProgramLog&) = delete;

    QString Filename() const { return m_filename; }
    // Stores the path; when not quiet and the file is over 10 kilobytes, offers to delete it.
    void setFilename(const QString& path);
    void setQuiet(bool quiet) { m_quiet = quiet; }
    bool Quiet() const { return m_quiet; }

    void DeleteLogFile();
    void NewEntry(const QString& text);

    static constexpr qint64 SizeLimit = 10240;

private:
    platform::Dialogs& m_dialogs;
    QString m_filename;
    bool m_quiet = false;
};
