#include "PresentationProgram.h"

#include "vberror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <algorithm>

namespace platform {

namespace {

class ImpressPresentation final : public Presentation
{
public:
    ImpressPresentation(QString executable, QStringList arguments)
        : m_executable(std::move(executable)), m_arguments(std::move(arguments))
    {
    }
    ~ImpressPresentation() override { stop(); }

    void setShowType(int showType) override { m_showType = showType; }
    int showType() const override { return m_showType; }

    void Run() override
    {
        if (m_process && m_process->state() != QProcess::NotRunning)
            return;
        m_process = std::make_unique<QProcess>();
        m_process->setProgram(m_executable);
        m_process->setArguments(m_arguments);
        m_process->setProcessChannelMode(QProcess::ForwardedChannels);
        m_process->start();
        if (!m_process->waitForStarted())
            vbrt::raise(vbrt::ErrInvalidCall, m_process->errorString());
    }

    void Close() override { stop(); }

private:
    void stop()
    {
        if (!m_process)
            return;
        if (m_process->state() != QProcess::NotRunning) {
            m_process->terminate();
            if (!m_process->waitForFinished(3000)) {
                m_process->kill();
                m_process->waitForFinished(3000);
            }
        }
        m_process.reset();
    }

    QString m_executable;
    QStringList m_arguments;
    int m_showType = 0;
    std::unique_ptr<QProcess> m_process;
};

} // namespace

ImpressProgram::ImpressProgram(QString executable, QString profileFolder)
    : m_executable(std::move(executable)), m_profileFolder(std::move(profileFolder))
{
}

ImpressProgram::~ImpressProgram()
{
    Quit();
}

QStringList ImpressProgram::showArguments(const QString& fileName) const
{
    QStringList arguments;
    if (!m_profileFolder.isEmpty())
        arguments << QStringLiteral("-env:UserInstallation=") +
                         QUrl::fromLocalFile(m_profileFolder).toString(QUrl::FullyEncoded);
    arguments << QStringLiteral("--norestore") << QStringLiteral("--nologo")
              << QStringLiteral("--show") << fileName;
    return arguments;
}

std::shared_ptr<Presentation> ImpressProgram::Open(const QString& fileName, bool)
{
    // Opening only proves the file can be read; Impress itself reads it when the show runs.
    QFile file(fileName);
    if (QFileInfo(fileName).isDir() || !file.open(QIODevice::ReadOnly))
        return nullptr;
    auto presentation =
        std::make_shared<ImpressPresentation>(m_executable, showArguments(fileName));
    std::erase_if(m_opened, [](const auto& weak) { return weak.expired(); });
    m_opened.push_back(presentation);
    return presentation;
}

void ImpressProgram::Quit()
{
    for (const auto& weak : m_opened) {
        if (const auto presentation = weak.lock())
            presentation->Close();
    }
    m_opened.clear();
}

QString findImpressExecutable()
{
    QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        soffice = QStandardPaths::findExecutable(QStringLiteral("libreoffice"));
    if (soffice.isEmpty())
        return {};
    // LibreOffice may be installed without its presentation part.
    for (const char* launcher : {"loimpress", "simpress"}) {
        if (!QStandardPaths::findExecutable(QLatin1String(launcher)).isEmpty())
            return soffice;
    }
    const QDir programDir = QFileInfo(QFileInfo(soffice).canonicalFilePath()).dir();
    if (programDir.exists(QStringLiteral("libsdlo.so")))
        return soffice;
    return {};
}

std::shared_ptr<PresentationProgram> createPresentationProgram()
{
    const QString executable = findImpressExecutable();
    if (executable.isEmpty())
        return nullptr;
    const QString profile = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                            QStringLiteral("/Ostrel9/impress-profile");
    return std::make_shared<ImpressProgram>(executable, profile);
}

} // namespace platform
