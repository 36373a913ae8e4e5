#include "frmMoviePlayer.h"

#include "ProgramState.h"
#include "ScreenFit.h"
#include "WindowFit.h"
#include "ui_frmMoviePlayer.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QPalette>
#include <QPushButton>
#include <QUrl>
#include <QVideoWidget>

frmMoviePlayer::frmMoviePlayer(ProgramState& state, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmMoviePlayer>()), m_state(state)
{
    ui->setupUi(this);
    platform::keepOnScreen(this);
    ui->lblMovieStatus->hide();
    // The picture area is dark like a screen, also before the movie starts.
    QPalette screen = ui->wmpPlayer->palette();
    screen.setColor(QPalette::Window, Qt::black);
    ui->wmpPlayer->setPalette(screen);
    ui->wmpPlayer->setAutoFillBackground(true);
    connect(ui->cmdPlay, &QPushButton::clicked, this, &frmMoviePlayer::cmdPlay_Click);
    connect(ui->cmdPause, &QPushButton::clicked, this, &frmMoviePlayer::cmdPause_Click);
    connect(ui->cmdClose, &QPushButton::clicked, this, &frmMoviePlayer::cmdClose_Click);
}

frmMoviePlayer::~frmMoviePlayer()
{
    if (m_player)
        m_player->stop();
}

void frmMoviePlayer::setFilename(const QString& fileName)
{
    m_fullPath = m_state.path(QStringLiteral("Movies/") + fileName);
    setWindowTitle(fileName);
}

void frmMoviePlayer::Form_Load()
{
    if (!QFileInfo(m_fullPath).isFile()) {
        showProblem(QStringLiteral("The movie could not be found: ") + m_fullPath);
        return;
    }
    // The player is made only here, so that a window that plays nothing costs nothing.
    m_player = new QMediaPlayer(this);
    m_audio = new QAudioOutput(this);
    m_player->setAudioOutput(m_audio);
    m_player->setVideoOutput(ui->wmpPlayer);
    connect(m_player, &QMediaPlayer::errorOccurred, this,
            [this](QMediaPlayer::Error, const QString& text) {
                showProblem(QStringLiteral("The movie cannot be played: ") + text);
            });
    m_player->setSource(QUrl::fromLocalFile(m_fullPath));
    m_player->play();
}

void frmMoviePlayer::cmdPlay_Click()
{
    if (m_player)
        m_player->play();
}

void frmMoviePlayer::cmdPause_Click()
{
    if (m_player)
        m_player->pause();
}

void frmMoviePlayer::cmdClose_Click()
{
    if (m_player)
        m_player->stop();
    done(QDialog::Accepted);
}

void frmMoviePlayer::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (!m_problem.isEmpty())
        media::setFittedText(*ui->lblMovieStatus, m_problem);
}

void frmMoviePlayer::showProblem(const QString& text)
{
    // The text holds the movie's path: shortened to the window, never widening it.
    m_problem = text;
    media::setFittedText(*ui->lblMovieStatus, text);
    ui->lblMovieStatus->show();
    ui->cmdPlay->setEnabled(false);
    ui->cmdPause->setEnabled(false);
}
