#include "ProgramState.h"

#include <QCoreApplication>

ProgramState::ProgramState(QString folder, platform::Dialogs& dialogs_)
    : programFolder(std::move(folder)), dialogs(dialogs_), gLog(dialogs_),
      endProgram([] { QCoreApplication::exit(1); })
{
    static int serial = 0;
    m_connectionName = QStringLiteral("gcnnUser-%1").arg(++serial);
}

ProgramState::~ProgramState()
{
    if (gcnnUser.isValid()) {
        gcnnUser.close();
        gcnnUser = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
    }
}

QString ProgramState::title()
{
    return QStringLiteral("Ostrel9");
}
