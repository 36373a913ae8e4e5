// The leave-a-field checks on the real window under a display: real message boxes answered by
// keys, the window's own focus handling when a box closes, and the next key typed.
#include "DisplayRun.h"
#include "Pages.h"
#include "ui_ClientSurveyPage.h"

#include <QLineEdit>

using display::BoxAnswers;
using display::Run;

class TestRealFocus : public QObject
{
    Q_OBJECT
private slots:
    void ceilingHeightRefusalKeepsTheFocus()
    {
        Run run;
        QVERIFY(run.start());
        run.clickTab(pages::ClientSurvey);
        QVERIFY(run.settle());
        QCOMPARE(run.shownPage(), pages::ClientSurvey);
        auto* survey = run.form().survey.get();
        Run::click(survey->txtHLCeilingHeight);
        QCOMPARE(QApplication::focusWidget(), survey->txtHLCeilingHeight);
        run.type(QStringLiteral("86"));
        QCOMPARE(survey->txtHLCeilingHeight->text(), QStringLiteral("86"));

        BoxAnswers answers({Qt::Key_N});
        run.key(Qt::Key_Tab);
        QVERIFY(run.settle());

        QCOMPARE(answers.texts,
                 QStringList{QStringLiteral("You have entered an Average Ceiling Height of 86 "
                                            "feet.  This is unusual.  Do you really want this "
                                            "value?")});
        QCOMPARE(QApplication::focusWidget(), survey->txtHLCeilingHeight);
        QCOMPARE(survey->txtHLCeilingHeight->selectedText(), QStringLiteral("86"));
        run.type(QStringLiteral("9"));
        QCOMPARE(survey->txtHLCeilingHeight->text(), QStringLiteral("9"));
        QCOMPARE(survey->txtHLBedrooms->text(), QStringLiteral("3"));
    }
};

QTEST_MAIN(TestRealFocus)
#include "test_realfocus.moc"
