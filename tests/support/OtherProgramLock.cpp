#include "OtherProgramLock.h"

#include <QStandardPaths>

OtherProgramLock::OtherProgramLock(const QString& file, const QString& mode, int holdMs)
{
    const QString shell = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    if (shell.isEmpty()) {
        m_problem = QStringLiteral("sqlite3 is not installed");
        return;
    }
    m_shell.start(shell, {file});
    if (!m_shell.waitForStarted(5000)) {
        m_problem = m_shell.errorString();
        return;
    }
    // The shell answers only once the lock is taken; ".shell" makes it flush that answer.
    QByteArray script = "BEGIN " + mode.toLatin1() + ";\n.print locked\n.shell true\n";
    if (holdMs >= 0)
        script += ".shell sleep " + QByteArray::number(holdMs / 1000.0) + "\nROLLBACK;\n.quit\n";
    m_shell.write(script);
    while (!m_shell.canReadLine() && m_shell.waitForReadyRead(5000)) {
    }
    const QByteArray answer = m_shell.readLine().trimmed();
    m_held = answer == "locked";
    if (!m_held)
        m_problem = QString::fromLocal8Bit(answer + m_shell.readAllStandardError());
}

OtherProgramLock::~OtherProgramLock()
{
    release();
}

void OtherProgramLock::release()
{
    if (m_shell.state() == QProcess::NotRunning)
        return;
    m_shell.write("ROLLBACK;\n.quit\n");
    m_shell.closeWriteChannel();
    if (!m_shell.waitForFinished(10000))
        m_shell.kill();
    m_held = false;
}
