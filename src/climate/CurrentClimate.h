#pragma once

#include <QObject>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;
class Session;
struct ProgramState;

// The main form's current climate (the client's) and the standard climate's caption.
class CurrentClimate : public QObject
{
    Q_OBJECT

public:
    // The climate's boxes: the client's on the Client Survey page, the standard one's on the
    // Home page.
    struct Controls
    {
        QLabel* lblClimate = nullptr;
        QPushButton* cmdSelectClimate = nullptr;
        QLabel* lblSelectClimate = nullptr;
        QPushButton* cmdSelectDefaultClimate = nullptr;
    };

    CurrentClimate(ProgramState& state, Session& session, const Controls& controls,
                   QWidget* window);

    // Loads the climate with that UniqueID; an empty id, or one that matches nothing, loads
    // the first (most used) climate. False when the id was not found or there is no climate.
    bool SetCurrentClimate(const QString& uniqueId);
    void UpdateClimateCaption();
    void UpdateStandardClimateCaption(const QString& caption);

    void cmdSelectClimate_Click();
    void cmdSelectDefaultClimate_Click();

signals:
    // The user chose another climate for the client shown.
    void clientClimateChosen();

private:
    bool applyClimate(const QString& uniqueId);

    ProgramState& m_state;
    Session& m_session;
    Controls m_controls;
    QWidget* m_window;
};
