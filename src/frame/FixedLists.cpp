#include "FixedLists.h"

#include "ListFunctions.h"
#include "ProgramState.h"
#include "Settings.h"
#include "StoredValues.h"
#include "frmHVACMain.h"
#include "ui_HomePage.h"

#include <QComboBox>
#include <QHash>

namespace {

FixedList texts(const QStringList& items)
{
    FixedList list;
    for (int i = 0; i < items.size(); ++i)
        list.append({items[i], i});
    return list;
}

const QHash<QString, FixedList>& lists()
{
    static const QHash<QString, FixedList> all = {
        {QStringLiteral("cmbHLTestType"), {{"Multi-point", 0}, {"Single-point", 1}}},
        {QStringLiteral("cmbHLFlowTubeConnection"), {{"18 Port", 1}, {"9 Port", 0}}},
        {QStringLiteral("cmbHLTestDirection2"),
         {{"Depressurize from inside", 0},
          {"Pressurize from inside", 1},
          {"Depressurize from outside", 2},
          {"Pressurize from outside", 3}}},
        {QStringLiteral("cmbHLWindFactor"),
         {{"Well shielded", 0}, {"Normal suburban", 2}, {"Very exposed", 1}}},
        {QStringLiteral("cmbHLStories"),
         {{"1 Story", 0}, {"1.5 Stories", 1}, {"2 Stories", 2}, {"3 Stories", 3}}},
        {QStringLiteral("cmbDLPrimaryHeat"),
         {{"Gas furnace", 0},
          {"Oil furnace", 1},
          {"Propane furnace", 2},
          {"Electric furnace", 3},
          {"Heat pump", 4}}},
        {QStringLiteral("cmbDLReturnLeaks"),
         {{"Attic", 0}, {"Garage", 1}, {"Outside or crawlspace", 2}}},
        {QStringLiteral("cmbDLAtticRoofCoolingFactor"), {{"None", 0}, {"Some", 15}, {"Heavy", 30}}},
        // Survey answers are stored as their texts; the empty entry means "not answered".
        {QStringLiteral("cmbHowLongHowMany_0"),
         texts({"", "Less than 1 year", "1 to 3 years", "3 to 5 years", "5 to 10 years",
                "More than 10 years"})},
        {QStringLiteral("cmbHowLongHowMany_1"), texts({"", "1", "2", "3", "4", "5", "6 or more"})},
        {QStringLiteral("cmbHowLongHowMany_2"),
         texts({"", "Less than 1 year", "1 to 3 years", "3 to 5 years", "5 to 10 years",
                "More than 10 years", "Not sure"})},
        {QStringLiteral("cmbSurveyYesNo"), texts({"", "Yes", "No", "Not sure"})},
        {QStringLiteral("cmbSurveyUtilities"),
         texts({"", "Electric", "Natural gas", "Propane", "Fuel oil", "Wood", "None"})},
        {QStringLiteral("cmbSurveyUtilitiesType"),
         texts({"", "Heating", "Cooling", "Water heating", "Cooking", "Clothes drying"})},
        {QStringLiteral("cboSurveyRoomName"),
         texts({"", "Living room", "Family room", "Kitchen", "Dining room", "Master bedroom",
                "Bedroom", "Bathroom", "Basement", "Attic", "Garage"})},
    };
    return all;
}

void fill(QComboBox* box, const FixedList& items)
{
    const bool blocked = box->blockSignals(true);
    box->clear();
    for (const auto& [text, code] : items)
        addComboItem(box, text, code);
    box->setCurrentIndex(-1);
    box->blockSignals(blocked);
}

} // namespace

const FixedList& fixedList(const QString& controlName)
{
    static const FixedList none;
    const auto it = lists().constFind(controlName);
    return it == lists().constEnd() ? none : *it;
}

void InitializeLists(frmHVACMain& form)
{
    const auto boxes = form.findChildren<QComboBox*>();
    for (QComboBox* box : boxes) {
        const QString name = box->objectName();
        auto it = lists().constFind(name);
        if (it == lists().constEnd()) // a control array shares one list: cmbSurveyYesNo_3
            it = lists().constFind(name.section('_', 0, 0));
        if (it != lists().constEnd())
            fill(box, *it);
    }
    form.session.mblnShowValidationMessages = true;
}

void InitializeSettings(frmHVACMain& form)
{
    const auto techId =
        stored::whole32(GetAppSetting(form.state.gcnnUser, QStringLiteral("MRUTechnician")));
    if (!techId)
        return;
    const int index = LocateComboItemData(form.home->cmbTechnician, *techId);
    if (index >= 0)
        form.home->cmbTechnician->setCurrentIndex(index);
}
