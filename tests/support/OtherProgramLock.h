#pragma once

#include <QProcess>
#include <QString>

// Another program holding a lock on a database file: the sqlite3 shell in its own process,
// inside BEGIN EXCLUSIVE (or IMMEDIATE) until release(), or for a set time.
//
//     OtherProgramLock lock(run.folder.file("Ostrel7_user.mdb"));
//     QVERIFY2(lock.isHeld(), qPrintable(lock.problem()));
//     ... the program fails to get the file ...
//     lock.release();
class OtherProgramLock
{
public:
    // holdMs < 0: held until release() or the end of the object.
    explicit OtherProgramLock(const QString& file,
                              const QString& mode = QStringLiteral("EXCLUSIVE"), int holdMs = -1);
    ~OtherProgramLock();
    OtherProgramLock(const OtherProgramLock&) = delete;
    OtherProgramLock& operator=(const OtherProgramLock&) = delete;

    bool isHeld() const { return m_held; }
    // Why the lock could not be taken.
    QString problem() const { return m_problem; }
    // Rolls back and ends the other program.
    void release();

private:
    QProcess m_shell;
    bool m_held = false;
    QString m_problem;
};
