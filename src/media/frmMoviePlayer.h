#pragma once

#include <QDialog>
#include <QString>

#include <memory>

class QAudioOutput;
class QMediaPlayer;
struct ProgramState;

namespace Ui {
class frmMoviePlayer;
}

// Plays one movie of the library's "Movies" folder, with play, pause and close.
class frmMoviePlayer : public QDialog
{
public:
    explicit frmMoviePlayer(ProgramState& state, QWidget* parent = nullptr);
    ~frmMoviePlayer() override;

    // The bare file name of the movie in the "Movies" folder.
    void setFilename(const QString& fileName);
    const QString& fullPath() const { return m_fullPath; }
    // Hands the movie to the player and starts it.
    void Form_Load();

    void cmdPlay_Click();
    void cmdPause_Click();
    void cmdClose_Click();
    // Opens within the screen's available area.

    // The player, made when the movie is loaded; nothing before.
    QMediaPlayer* player() const { return m_player; }

    std::unique_ptr<Ui::frmMoviePlayer> ui;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showProblem(const QString& text);

    ProgramState& m_state;
    QString m_fullPath;
    QString m_problem;
    QMediaPlayer* m_player = nullptr;
    QAudioOutput* m_audio = nullptr;
};
