#include "PageReportSource.h"

#include "HouseLeakageTab.h"
#include "ListFunctions.h"
#include "ProgramState.h"
#include "Technicians.h"
#include "frmHVACMain.h"
#include "ui_ClientSurveyPage.h"
#include "ui_HouseLeakagePage.h"

#include <QComboBox>
#include <QLineEdit>

std::shared_ptr<const HLResultsSnapshot> PageReportSource::results() const
{
    return m_form.houseLeakage->results();
}

reporting::ReportHeader PageReportSource::reportHeader() const
{
    const auto& survey = *m_form.survey;
    const auto& hl = *m_form.hl;
    reporting::ReportHeader h;
    h.testNumber = hl.txtHLTestNum->text();
    h.clientInfo = reporting::joined({survey.txtClientName->text(), survey.txtClientStreet->text(),
                                      survey.cmbClientCity->currentText(),
                                      survey.cmbClientState->currentText()});
    h.techInfo =
        reporting::techInfo(m_form.state.gcnnUser, m_form.technicians->currentTechnician());
    h.testDate = hl.txtHLTestDateTime->text();

    h.livingArea = survey.txtHLLivingArea->text();
    h.stories = survey.cmbHLStories->currentText();
    h.bedrooms = survey.txtHLBedrooms->text();
    h.ceilingHeight = survey.txtHLCeilingHeight->text();
    h.windExposure = hl.cmbHLWindFactor->currentText();
    h.windExposureCode = ComboData(hl.cmbHLWindFactor);
    h.climateCity = m_form.session.mstrClimateCity();
    h.climateLblZone = m_form.session.mstrClimateLBLZone();
    h.insideTemp = hl.txtHLInsideTemp->text();
    h.outsideTemp = hl.txtHLOutsideTemp->text();
    h.testDirection = hl.cmbHLTestDirection2->currentText();
    h.range = hl.cmbHLRange->currentText();
    const HouseLeakageTab& page = *m_form.houseLeakage;
    for (size_t i = 0; i < h.housePressure.size(); ++i) {
        h.housePressure[i] = page.housePressure[i]->text();
        h.flowPressure[i] = page.flowPressure[i]->text();
        h.testFlow[i] = page.testFlow[i]->text();
        h.testError[i] = page.testError[i]->text();
    }
    return h;
}
