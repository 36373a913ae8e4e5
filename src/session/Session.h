#pragma once

#include <QObject>
#include <QString>

#include <cstdint>

// The current climate: its place, LBL climate zone and key, and the design values the
// calculations take from it.
struct ClimateValues
{
    QString city;
    QString state;
    QString lblZone;
    QString uniqueId;
    float winterDesignTemp = 0;
    float summerGrainDiff = 0;
};

// The state the main form's pages share, without any widget. What other pages react to
// changes only through a setter that signals it; the form wires those reactions once, where
// it is built, so no page has to remember to call another.
class Session : public QObject
{
    Q_OBJECT

public:
    explicit Session(QObject* parent = nullptr);

    // The current client; -1 = none. Another client emits clientChanged.
    int32_t gintClientID() const { return m_clientId; }
    void setClientID(int32_t clientId);

    // The current climate. Another climate (another key) emits climateChanged; a climate
    // read again under the same key does not.
    const ClimateValues& climate() const { return m_climate; }
    const QString& mstrClimateCity() const { return m_climate.city; }
    const QString& mstrClimateState() const { return m_climate.state; }
    const QString& mstrClimateLBLZone() const { return m_climate.lblZone; }
    const QString& mstrClimateUniqueID() const { return m_climate.uniqueId; }
    float msngClimateWinterDesignTemp() const { return m_climate.winterDesignTemp; }
    float msngClimateSummerGrainDiff() const { return m_climate.summerGrainDiff; }
    void setClimate(const ClimateValues& climate);
    // No climate at all: place, zone and key go blank; the state and the design values stay
    // as they were.
    void clearClimate();

    // The house data (living area, stories, ceiling height, bedrooms) changed, by the user or
    // by a fill: results computed from the old data are stale either way.
    void houseDataEdited();
    // The house leakage results are stale and must go.
    void clearResults();
    // No test is shown: the three current-test ids become -1.
    void clearCurrentTests();

    // The shown client has edits waiting to be saved; the save button's caption follows it.
    bool clientSavePending() const { return m_clientSavePending; }
    void setClientSavePending(bool pending);

    // True while code, not the user, changes the pages; change handlers ignore those changes.
    bool isFilling() const { return m_filling > 0; }

    // Marks the changes made during its life as made by code.
    class Filling
    {
    public:
        explicit Filling(Session& session) : m_session(session) { ++m_session.m_filling; }
        ~Filling() { --m_session.m_filling; }
        Filling(const Filling&) = delete;
        Filling& operator=(const Filling&) = delete;

    private:
        Session& m_session;
    };

    // Turns the field checks' messages off for its life, then back to what they were.
    class SilentChecks
    {
    public:
        explicit SilentChecks(Session& session)
            : m_session(session), m_saved(session.mblnShowValidationMessages)
        {
            m_session.mblnShowValidationMessages = false;
        }
        ~SilentChecks() { m_session.mblnShowValidationMessages = m_saved; }
        SilentChecks(const SilentChecks&) = delete;
        SilentChecks& operator=(const SilentChecks&) = delete;

    private:
        Session& m_session;
        bool m_saved;
    };

    // The current page holds unsaved changes.
    bool mblnDataChanged = false;
    // The house data and house leakage checks show their messages only while this is true.
    bool mblnShowValidationMessages = false;
    // The house leakage test, efficiency analysis and flow hood test shown; -1 = none.
    int32_t mintCurrentHltID = -1;
    int32_t mintCurrentDlaID = -1;
    int32_t mintCurrentFHTestID = -1;

signals:
    void clientChanged(int32_t clientId);
    void climateChanged();
    void houseDataChanged();
    void resultsCleared();
    void clientSavePendingChanged(bool pending);

private:
    int32_t m_clientId = -1;
    ClimateValues m_climate;
    bool m_clientSavePending = false;
    int m_filling = 0;
};
