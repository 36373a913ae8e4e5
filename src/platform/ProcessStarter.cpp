#include "ProcessStarter.h"

#include "vberror.h"

#include <QFileInfo>
#include <QProcess>

namespace platform {

void ProcessStarter::startDetached(const QString& program, const QStringList& arguments)
{
    const QFileInfo file(program);
    if (program.isEmpty() || !file.exists() || file.isDir())
        vbrt::raise(vbrt::ErrFileNotFound);
    if (!QProcess::startDetached(program, arguments))
        vbrt::raise(vbrt::ErrInvalidCall);
}

} // namespace platform
