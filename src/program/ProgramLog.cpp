#include "ProgramLog.h"

#include "Dialogs.h"
#include "vbformat.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

ProgramLog::ProgramLog(platform::Dialogs& dialogs) : m_dialogs(dialogs) {}

ProgramLog::~ProgramLog()
{
    if (m_filename.isEmpty())
        return;
    NewEntry(QStringLiteral("ProgramLog terminating."));
    NewEntry(QString());
}

void ProgramLog::setFilename(const QString& path)
{
    m_filename = path;
    const QFileInfo info(path);
    if (!m_quiet && info.exists() && info.size() > SizeLimit) {
        const auto answer = m_dialogs.msgBox(
            QStringLiteral("The log file for this program has exceeded 10 kilobytes.  If the "
                           "information in this file is needed for troubleshooting, then it "
                           "should be retained.  Otherwise it can be deleted.  Delete the log "
                           "file?"),
            platform::MsgButtons::YesNo, platform::MsgIcon::None, QStringLiteral("Program Log"));
        if (answer == platform::MsgResult::Yes)
            DeleteLogFile();
    }
    NewEntry(QString());
    NewEntry(QStringLiteral("ProgramLog object initialized."));
}

void ProgramLog::DeleteLogFile()
{
    QFile::remove(m_filename); // a missing file is no error
    NewEntry(QStringLiteral("Program log discarded.  Starting new log."));
}

void ProgramLog::NewEntry(const QString& text)
{
    if (m_filename.isEmpty())
        return;
    QFile file(m_filename);
    // A log that cannot be written must never stop the program.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return;
    const QString line = vbrt::formatDate(QDateTime::currentDateTime(), u"mm/dd/yyyy h:mm am/pm") +
                         "  " + text + "\n";
    file.write(line.toUtf8());
}
