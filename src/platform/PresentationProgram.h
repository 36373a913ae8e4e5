#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QProcess;

namespace platform {

// A presentation opened by the presentation program: what a slide show needs of it.
class Presentation
{
public:
    virtual ~Presentation() = default;

    // SlideShowSettings.ShowType: 1 is the full-screen show a speaker runs.
    virtual void setShowType(int showType) = 0;
    virtual int showType() const = 0;
    // SlideShowSettings.Run: starts the show and returns at once.
    virtual void Run() = 0;
    // Ends a show still running and closes the presentation.
    virtual void Close() = 0;
};

// The presentation program the slide shows run in.
class PresentationProgram
{
public:
    virtual ~PresentationProgram() = default;

    // Presentations.Open: the opened presentation, or nothing when the file cannot be opened.
    virtual std::shared_ptr<Presentation> Open(const QString& fileName, bool withWindow) = 0;
    // Ends every show the program still runs.
    virtual void Quit() = 0;
};

// LibreOffice Impress run as a separate process, one per show ("soffice --show <file>"). It
// keeps a profile of its own, so that a LibreOffice the user has open does not take the show
// over and the process really ends when the show is closed.
class ImpressProgram final : public PresentationProgram
{
public:
    ImpressProgram(QString executable, QString profileFolder);
    ~ImpressProgram() override;

    std::shared_ptr<Presentation> Open(const QString& fileName, bool withWindow) override;
    void Quit() override;

    const QString& executable() const { return m_executable; }
    // The command-line arguments a show of the file is started with.
    QStringList showArguments(const QString& fileName) const;

private:
    QString m_executable;
    QString m_profileFolder;
    std::vector<std::weak_ptr<Presentation>> m_opened;
};

// The LibreOffice program that can run slide shows, or an empty text when Impress is not
// installed.
QString findImpressExecutable();

// The presentation program of this machine: Impress when it is installed, else nothing.
std::shared_ptr<PresentationProgram> createPresentationProgram();

} // namespace platform
