#include "FieldValidation.h"
#include "ScriptedDialogs.h"
#include "SelectAllOnFocus.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>

#include <memory>
#include <stdexcept>

using platform::FieldValidation;
using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;
using testsupport::ScriptedDialogs;

namespace {

// Activation is asynchronous; a dialog reports itself active as soon as its parent is.
bool activate(QWidget* window)
{
    window->activateWindow();
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

enum class Leave
{
    Tab,
    Backtab,
    ClickField,
    ClickButton,
    SetFocus,
    Mnemonic,
    LabelMnemonic
};

// A small form: box A (checked), box B, a button and a label whose mnemonic goes to B.
struct Form
{
    Form()
    {
        form = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(form.get());
        a = new QLineEdit(QStringLiteral("499"), form.get());
        b = new QLineEdit(QStringLiteral("other"), form.get());
        label = new QLabel(QStringLiteral("&Bedrooms"), form.get());
        label->setBuddy(b);
        button = new QPushButton(QStringLiteral("&Save"), form.get());
        layout->addWidget(a);
        layout->addWidget(label);
        layout->addWidget(b);
        layout->addWidget(button);
        validation = std::make_unique<FieldValidation>(form.get());
        form->show();
        QVERIFY(activate(form.get()));
        a->setFocus();
    }

    void leave(Leave how)
    {
        switch (how) {
        case Leave::Tab:
            QTest::keyClick(a, Qt::Key_Tab);
            break;
        case Leave::Backtab:
            QTest::keyClick(a, Qt::Key_Backtab, Qt::ShiftModifier);
            break;
        case Leave::ClickField:
            QTest::mouseClick(b, Qt::LeftButton);
            break;
        case Leave::ClickButton:
            QTest::mouseClick(button, Qt::LeftButton);
            break;
        case Leave::SetFocus:
            b->setFocus();
            break;
        case Leave::Mnemonic:
            QTest::keyClick(a, Qt::Key_S, Qt::AltModifier);
            break;
        case Leave::LabelMnemonic:
            QTest::keyClick(a, Qt::Key_B, Qt::AltModifier);
            break;
        }
    }

    std::unique_ptr<QWidget> form;
    QLineEdit* a = nullptr;
    QLineEdit* b = nullptr;
    QLabel* label = nullptr;
    QPushButton* button = nullptr;
    // Destroyed before the form, as a member of the form would be.
    std::unique_ptr<FieldValidation> validation;
};

} // namespace

class TestFieldValidation : public QObject
{
    Q_OBJECT
private slots:
    void leavingRunsTheCheck_data()
    {
        QTest::addColumn<int>("how");
        QTest::addColumn<bool>("refuse");
        QTest::addColumn<QString>("focusAfter"); // objectName: a, b or button
        QTest::addColumn<int>("clicks");

        QTest::newRow("Tab refused") << int(Leave::Tab) << true << "a" << 0;
        QTest::newRow("Tab accepted") << int(Leave::Tab) << false << "b" << 0;
        QTest::newRow("Backtab refused") << int(Leave::Backtab) << true << "a" << 0;
        QTest::newRow("click on a box refused") << int(Leave::ClickField) << true << "a" << 0;
        QTest::newRow("click on a box accepted") << int(Leave::ClickField) << false << "b" << 0;
        QTest::newRow("click on a button refused: no click")
            << int(Leave::ClickButton) << true << "a" << 0;
        QTest::newRow("click on a button accepted: clicks")
            << int(Leave::ClickButton) << false << "button" << 1;
        QTest::newRow("setFocus refused") << int(Leave::SetFocus) << true << "a" << 0;
        QTest::newRow("setFocus accepted") << int(Leave::SetFocus) << false << "b" << 0;
        QTest::newRow("button mnemonic refused: no click")
            << int(Leave::Mnemonic) << true << "a" << 0;
        QTest::newRow("label mnemonic refused") << int(Leave::LabelMnemonic) << true << "a" << 0;
        QTest::newRow("label mnemonic accepted") << int(Leave::LabelMnemonic) << false << "b" << 0;
    }
    void leavingRunsTheCheck()
    {
        QFETCH(int, how);
        QFETCH(bool, refuse);
        QFETCH(QString, focusAfter);
        QFETCH(int, clicks);

        Form f;
        f.a->setObjectName("a");
        f.b->setObjectName("b");
        f.button->setObjectName("button");
        int calls = 0;
        int otherCalls = 0;
        f.validation->addCheck(f.a, [&](bool& cancel) {
            ++calls;
            cancel = refuse;
        });
        f.validation->addCheck(f.b, [&](bool&) { ++otherCalls; });
        QSignalSpy clicked(f.button, &QPushButton::clicked);
        QCOMPARE(QApplication::focusWidget(), f.a);

        f.leave(Leave(how));

        QCOMPARE(calls, 1);
        QCOMPARE(otherCalls, 0);
        QVERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->objectName(), focusAfter);
        QCOMPARE(clicked.count(), clicks);
        QVERIFY(!f.validation->isRunning());

        // A refused click is dropped whole: the next click works normally.
        if (refuse && how == int(Leave::ClickButton)) {
            f.validation->addCheck(f.a, [](bool&) {});
            QTest::mouseClick(f.button, Qt::LeftButton);
            QCOMPARE(clicked.count(), 1);
            QCOMPARE(QApplication::focusWidget(), f.button);
        }
    }

    void noCheckForOtherWindows()
    {
        Form f;
        int calls = 0;
        f.validation->addCheck(f.a, [&](bool& cancel) {
            ++calls;
            cancel = true;
        });

        // A dialog of the form (as a message box is) takes the focus and gives it back.
        QDialog dialog(f.form.get());
        auto* edit = new QLineEdit(&dialog);
        dialog.show();
        QVERIFY(activate(&dialog));
        edit->setFocus();
        QCOMPARE(QApplication::focusWidget(), edit);
        dialog.close();
        QVERIFY(activate(f.form.get()));
        QCOMPARE(QApplication::focusWidget(), f.a);

        // Another top-level window: the form is deactivated.
        QWidget other;
        auto* otherEdit = new QLineEdit(&other);
        other.show();
        QVERIFY(activate(&other));
        otherEdit->setFocus();
        QCOMPARE(QApplication::focusWidget(), otherEdit);

        QCOMPARE(calls, 0);
    }

    // The check shows a message box, and a real box takes the focus away and back while it
    // runs; the check runs once and no other field's check starts.
    void checkWithMessageBoxDoesNotRecurse()
    {
        Form f;
        ScriptedDialogs dialogs;
        dialogs.expect(MsgResult::No, "This is unusual.");
        int calls = 0;
        int otherCalls = 0;
        f.validation->addCheck(f.a, [&](bool& cancel) {
            ++calls;
            QVERIFY(f.validation->isRunning());
            // What a real box does to the focus: takes it to its own window and gives it
            // back; and the check's own code moves it between the form's boxes.
            QDialog box(f.form.get());
            auto* ok = new QPushButton(QStringLiteral("OK"), &box);
            box.show();
            QVERIFY(activate(&box));
            ok->setFocus();
            QCOMPARE(QApplication::focusWidget(), ok);
            cancel = dialogs.msgBox("A living area of 499 square feet.  This is unusual.",
                                    MsgButtons::YesNo, MsgIcon::None, {}) == MsgResult::No;
            box.close();
            QVERIFY(activate(f.form.get()));
            f.a->setFocus();
            f.b->setFocus();
            QCOMPARE(QApplication::focusWidget(), f.b);
        });
        f.validation->addCheck(f.b, [&](bool&) { ++otherCalls; });

        QTest::keyClick(f.a, Qt::Key_Tab);

        QCOMPARE(calls, 1);
        QCOMPARE(otherCalls, 0);
        QCOMPARE(QApplication::focusWidget(), f.a);
        VERIFY_DIALOGS_DONE(dialogs);
    }

    void runCheckAsIfLeaving_data()
    {
        QTest::addColumn<bool>("refuse");
        QTest::addColumn<bool>("keepFocus");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QString>("focusAfter");

        QTest::newRow("accepted") << false << false << true << "b";
        QTest::newRow("refused: focus to the box") << true << false << false << "a";
        QTest::newRow("refused, focus kept") << true << true << false << "b";
    }
    void runCheckAsIfLeaving()
    {
        QFETCH(bool, refuse);
        QFETCH(bool, keepFocus);
        QFETCH(bool, result);
        QFETCH(QString, focusAfter);

        Form f;
        f.a->setObjectName("a");
        f.b->setObjectName("b");
        int calls = 0;
        int otherCalls = 0;
        f.validation->addCheck(f.a, [&](bool& cancel) {
            ++calls;
            cancel = refuse;
        });
        f.validation->addCheck(f.b, [&](bool&) { ++otherCalls; });
        {
            FieldValidation::Suspend quiet(*f.validation);
            f.b->setFocus();
        }
        QCOMPARE(calls, 0);

        QCOMPARE(f.validation->runCheck(f.a, keepFocus ? FieldValidation::OnRefusal::KeepFocus
                                                       : FieldValidation::OnRefusal::FocusField),
                 result);
        QCOMPARE(calls, 1);
        QCOMPARE(otherCalls, 0); // moving to the refusing box does not check the one left
        QCOMPARE(QApplication::focusWidget()->objectName(), focusAfter);
    }

    void runCheckWithoutCheckAccepts()
    {
        Form f;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no check for"));
        QVERIFY(f.validation->runCheck(f.b));
    }

    void suspendStopsChecksUntilItEnds()
    {
        Form f;
        int calls = 0;
        f.validation->addCheck(f.a, [&](bool& cancel) {
            ++calls;
            cancel = true;
        });
        {
            FieldValidation::Suspend outer(*f.validation);
            FieldValidation::Suspend inner(*f.validation);
            f.b->setFocus();
            QCOMPARE(QApplication::focusWidget(), f.b);
        }
        f.a->setFocus();
        f.b->setFocus();
        QCOMPARE(calls, 1);
        QCOMPARE(QApplication::focusWidget(), f.a);
    }

    // A page change hides the box; its check runs with the new page already showing, so a
    // check that only applies on its own page can let it go.
    void pageChangeRunsCheckOnNewPage()
    {
        QWidget form;
        auto* layout = new QVBoxLayout(&form);
        auto* tabs = new QTabWidget(&form);
        layout->addWidget(tabs);
        auto* page0 = new QWidget;
        auto* page1 = new QWidget;
        auto* box = new QLineEdit(page0);
        auto* other = new QLineEdit(page1);
        tabs->addTab(page0, QStringLiteral("Client"));
        tabs->addTab(page1, QStringLiteral("Tests"));
        FieldValidation validation(&form);
        int pageSeen = -1;
        validation.addCheck(box, [&](bool&) { pageSeen = tabs->currentIndex(); });
        form.show();
        QVERIFY(activate(&form));
        box->setFocus();

        tabs->setCurrentIndex(1);

        QCOMPARE(pageSeen, 1);
        QCOMPARE(QApplication::focusWidget(), other);
    }

    // A check that refuses a page change asks once; the new page shows and the box left
    // behind, now hidden, does not keep the focus.
    void refusedPageChangeAsksOnce()
    {
        QWidget form;
        auto* layout = new QVBoxLayout(&form);
        auto* tabs = new QTabWidget(&form);
        layout->addWidget(tabs);
        auto* page0 = new QWidget;
        auto* page1 = new QWidget;
        auto* box = new QLineEdit(page0);
        auto* other = new QLineEdit(page1);
        tabs->addTab(page0, QStringLiteral("Client"));
        tabs->addTab(page1, QStringLiteral("Tests"));
        FieldValidation validation(&form);
        int calls = 0;
        validation.addCheck(box, [&](bool& cancel) {
            ++calls;
            cancel = true;
        });
        form.show();
        QVERIFY(activate(&form));
        box->setFocus();

        tabs->setCurrentIndex(1);

        QCOMPARE(calls, 1);
        QCOMPARE(tabs->currentIndex(), 1);
        QCOMPARE(QApplication::focusWidget(), other);
    }

    void throwingCheckLeavesValidationUsable()
    {
        Form f;
        bool throwNow = true;
        int calls = 0;
        f.validation->addCheck(f.a, [&](bool& cancel) {
            ++calls;
            if (throwNow)
                throw std::runtime_error("Overflow");
            cancel = true;
        });
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, f.validation->runCheck(f.a));
        QVERIFY(!f.validation->isRunning());
        throwNow = false;
        QTest::keyClick(f.a, Qt::Key_Tab);
        QCOMPARE(calls, 2);
        QCOMPARE(QApplication::focusWidget(), f.a);
    }

    // An editable list is one field with its edit part: clicking into the edit part is no
    // leaving. Refused, it gets the focus back with its text selected for retyping.
    void editableComboIsOneField()
    {
        Form f;
        platform::SelectAllOnFocus::install(f.form.get());
        auto* combo = new QComboBox(f.form.get());
        combo->setEditable(true);
        combo->addItems({QStringLiteral("Range A"), QStringLiteral("Range B")});
        f.form->layout()->addWidget(combo);
        combo->show();
        int calls = 0;
        f.validation->addCheck(combo, [&](bool& cancel) {
            ++calls;
            cancel = true;
        });
        combo->setFocus();
        combo->setEditText(QStringLiteral("Range Z"));
        QTest::mouseClick(combo->lineEdit(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(calls, 0);

        QTest::mouseClick(f.b, Qt::LeftButton);
        QCOMPARE(calls, 1);
        QVERIFY(combo->hasFocus());
        QCOMPARE(combo->lineEdit()->selectedText(), QStringLiteral("Range Z"));
    }

    // A check's message box takes the activation from the form's window. When the window is
    // activated again and puts the focus back on the widget that had it when the box opened,
    // the refused field takes it back, entered as a field taking the focus.
    void refusedFieldTakesTheFocusBackWhenTheWindowReturns_data()
    {
        QTest::addColumn<bool>("restoresOther");
        QTest::newRow("window restores the widget of before") << true;
        QTest::newRow("window restores the field") << false;
    }
    void refusedFieldTakesTheFocusBackWhenTheWindowReturns()
    {
        QFETCH(bool, restoresOther);
        Form f;
        platform::SelectAllOnFocus::install(f.form.get());
        QWidget box;
        f.validation->addCheck(f.a, [&](bool& cancel) {
            box.show();
            QVERIFY(activate(&box));
            box.hide();
            cancel = true;
        });
        f.a->setText(QStringLiteral("86"));
        f.leave(Leave::Tab);
        QVERIFY(!f.form->isActiveWindow());

        // What the window (or a sub-window holding the form) may do on activation.
        if (restoresOther)
            f.b->setFocus(Qt::ActiveWindowFocusReason);
        f.a->deselect();
        QVERIFY(activate(f.form.get()));
        QCOMPARE(QApplication::focusWidget(), f.a);
        QTRY_COMPARE(f.a->selectedText(), QStringLiteral("86"));

        // The hold ends there: moving on runs the check again, from the field.
        f.validation->addCheck(f.a, [](bool&) {});
        f.leave(Leave::Tab);
        QCOMPARE(QApplication::focusWidget(), f.b);
        f.a->setFocus();
        QCOMPARE(QApplication::focusWidget(), f.a);
    }

    // An action that moves no focus before it acts asks for the check of the field holding
    // the focus first; the focus move it makes next is not checked again.
    void checkLeavingRunsTheFocusedFieldsCheck()
    {
        Form f;
        int calls = 0;
        bool refuse = true;
        f.validation->addCheck(f.a, [&](bool& cancel) {
            ++calls;
            cancel = refuse;
        });
        QVERIFY(!f.validation->checkLeaving(f.button));
        QCOMPARE(calls, 1);
        QCOMPARE(QApplication::focusWidget(), f.a);

        QVERIFY(f.validation->checkLeaving(f.a)); // a target inside the field leaves nothing
        QCOMPARE(calls, 1);

        refuse = false;
        QVERIFY(f.validation->checkLeaving(f.button));
        QCOMPARE(calls, 2);
        f.b->setFocus();
        QCOMPARE(calls, 2);
        QCOMPARE(QApplication::focusWidget(), f.b);

        QVERIFY(f.validation->checkLeaving(f.button)); // no field holds the focus
        QCOMPARE(calls, 2);
    }

    void deletedFieldIsForgotten()
    {
        Form f;
        f.validation->addCheck(f.b, [](bool& cancel) { cancel = true; });
        const QWidget* gone = f.b;
        QVERIFY(f.validation->hasCheck(gone));
        delete f.b;
        QVERIFY(!f.validation->hasCheck(gone));
    }
};

QTEST_MAIN(TestFieldValidation)
#include "test_fieldvalidation.moc"
