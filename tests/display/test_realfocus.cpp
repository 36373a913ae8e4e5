// The leave-a-field checks on the real window under a display: real message boxes answered by
// keys, the window's own focus handling when a box closes, the next key typed, and the page
// tabs clicked with the mouse while a box is being left.
#include "DisplayRun.h"
#include "GuiTestMain.h"
#include "Pages.h"
#include "ui_ClientSurveyPage.h"
#include "ui_HomePage.h"

#include <QLineEdit>

using display::BoxAnswers;
using display::Run;

namespace {

const QString SaveQuestion = QStringLiteral("Save changes before switching tabs?");

// Replaces a box's text by typing, after a click into it and selecting all of its text.
bool typeInto(Run& run, QLineEdit* box, const QString& text)
{
    Run::click(box);
    run.key(Qt::Key_A, Qt::ControlModifier);
    run.type(text);
    return QApplication::focusWidget() == box && box->text() == text;
}

} // namespace

class TestRealFocus : public QObject
{
    Q_OBJECT
private slots:
    // A refused value keeps the focus in its box after the box's question or message closes:
    // the text is selected and the next key typed replaces it.
    void refusalKeepsTheFocus_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("message");
        QTest::newRow("ceiling height, No") << "txtHLCeilingHeight"
                                            << "86" << int(Qt::Key_N)
                                            << "You have entered an Average Ceiling Height of 86 "
                                               "feet.  This is unusual.  Do you really want this "
                                               "value?";
        QTest::newRow("living area, OK") << "txtHLLivingArea"
                                         << "abc" << int(Qt::Key_Return) << "A number is required.";
    }
    void refusalKeepsTheFocus()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(int, answer);
        QFETCH(QString, message);
        Run run;
        QVERIFY(run.start());
        run.clickTab(pages::ClientSurvey);
        QVERIFY(run.settle());
        QCOMPARE(run.shownPage(), pages::ClientSurvey);
        auto* field = run.form().pageClientSurvey->findChild<QLineEdit*>(box);
        QVERIFY(field);
        QVERIFY(typeInto(run, field, typed));

        BoxAnswers answers({answer});
        run.key(Qt::Key_Tab);
        QVERIFY(run.settle());

        QCOMPARE(answers.texts, QStringList{message});
        QCOMPARE(QApplication::focusWidget(), field);
        QCOMPARE(field->selectedText(), typed);
        run.type(QStringLiteral("9"));
        QCOMPARE(field->text(), QStringLiteral("9"));
    }

    // A tab clicked while a box refuses its value: the page stays and the box keeps the focus;
    // the question about unsaved changes is not asked.
    void refusalKeepsThePageOnATabClick()
    {
        Run run;
        QVERIFY(run.start());
        run.clickTab(pages::ClientSurvey);
        QVERIFY(run.settle());
        auto* survey = run.form().survey.get();
        QVERIFY(typeInto(run, survey->txtHLCeilingHeight, QStringLiteral("86")));

        BoxAnswers answers({Qt::Key_N});
        run.clickTab(pages::Home);
        QVERIFY(run.settle());

        QCOMPARE(answers.texts.size(), 1);
        QVERIFY(answers.texts.first().startsWith("You have entered an Average Ceiling Height"));
        QCOMPARE(run.shownPage(), pages::ClientSurvey);
        QCOMPARE(QApplication::focusWidget(), survey->txtHLCeilingHeight);
        QCOMPARE(run.count("SELECT HltAverageCeilingHeight FROM Clients WHERE ClientID = ?",
                           {run.clientId}),
                 8);
        run.type(QStringLiteral("9"));
        QCOMPARE(survey->txtHLCeilingHeight->text(), QStringLiteral("9"));
    }

    // Yes to the question lets the click go on to the page change and its save question; the
    // save asks about the value again, as every save checks the house data.
    void acceptedValueLetsTheTabClickGoOn()
    {
        Run run;
        QVERIFY(run.start());
        run.clickTab(pages::ClientSurvey);
        QVERIFY(run.settle());
        QVERIFY(typeInto(run, run.form().survey->txtHLCeilingHeight, QStringLiteral("86")));

        BoxAnswers answers({Qt::Key_Y, Qt::Key_Y, Qt::Key_Y});
        run.clickTab(pages::Home);
        QVERIFY(run.settle());

        QCOMPARE(answers.texts.size(), 3);
        QVERIFY(answers.texts[0].startsWith("You have entered an Average Ceiling Height of 86"));
        QCOMPARE(answers.texts[1], SaveQuestion);
        QCOMPARE(answers.texts[2], answers.texts[0]);
        QCOMPARE(run.shownPage(), pages::Home);
        QCOMPARE(run.count("SELECT HltAverageCeilingHeight FROM Clients WHERE ClientID = ?",
                           {run.clientId}),
                 86);
    }

    // The name box's check runs on a tab click before the page changes, so the name saved
    // through the question has its double quotes replaced.
    void nameLeftByATabClickIsSavedWithSingleQuotes()
    {
        Run run;
        QVERIFY(run.start());
        run.clickTab(pages::ClientSurvey);
        QVERIFY(run.settle());
        auto* survey = run.form().survey.get();
        QVERIFY(typeInto(run, survey->txtClientName, QStringLiteral("Ann \"X\" Lee")));

        BoxAnswers answers({Qt::Key_Y});
        run.clickTab(pages::Home);
        QVERIFY(run.settle());

        QCOMPARE(answers.texts, QStringList{SaveQuestion});
        QVERIFY(answers.unexpected.isEmpty());
        QCOMPARE(run.shownPage(), pages::Home);
        QSqlQuery q = execSql(run.state->gcnnUser,
                              QStringLiteral("SELECT ClientName FROM Clients WHERE ClientID = ?"),
                              {run.clientId});
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("Ann 'X' Lee"));
    }

    // A technician typed and left for another page, by a click on its tab or by its
    // mnemonic, is added and chosen.
    void technicianLeftForAnotherPageIsAdded_data()
    {
        QTest::addColumn<bool>("byMouse");
        QTest::newRow("tab clicked") << true;
        QTest::newRow("Alt+C") << false;
    }
    void technicianLeftForAnotherPageIsAdded()
    {
        QFETCH(bool, byMouse);
        Run run;
        QVERIFY(run.start());
        QCOMPARE(run.shownPage(), pages::Home);
        auto* home = run.form().home.get();
        QVERIFY(typeInto(run, home->txtAddTechnician, QStringLiteral("Lee Tech")));

        BoxAnswers answers;
        if (byMouse)
            run.clickTab(pages::ClientSurvey);
        else
            run.key(Qt::Key_C, Qt::AltModifier);
        QVERIFY(run.settle());

        QVERIFY2(answers.texts.isEmpty(), qPrintable(answers.texts.join('|')));
        QCOMPARE(run.count("SELECT COUNT(*) FROM Technicians WHERE TechName = 'Lee Tech'"), 1);
        QCOMPARE(home->cmbTechnician->currentText(), QStringLiteral("Lee Tech"));
        QCOMPARE(home->txtAddTechnician->text(), QString());
        QCOMPARE(run.shownPage(), pages::ClientSurvey);
    }
};

OSTREL_GUI_TEST_MAIN(TestRealFocus)
#include "test_realfocus.moc"
