#include "SelectAllOnFocus.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

using platform::SelectAllOnFocus;

namespace {

bool activate(QWidget* window)
{
    window->activateWindow();
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

enum class Kind
{
    LineEdit,
    EditableCombo,
    SpinBox,
    AddedLater
};
enum class Enter
{
    Tab,
    Click,
    SetFocus
};

} // namespace

class TestSelectAllOnFocus : public QObject
{
    Q_OBJECT
private slots:
    void selectsWholeText_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("how");
        const std::pair<const char*, Kind> kinds[] = {{"line edit", Kind::LineEdit},
                                                      {"editable combo", Kind::EditableCombo},
                                                      {"spin box", Kind::SpinBox},
                                                      {"added later", Kind::AddedLater}};
        const std::pair<const char*, Enter> ways[] = {
            {"Tab", Enter::Tab}, {"click", Enter::Click}, {"setFocus", Enter::SetFocus}};
        for (const auto& [kindName, kind] : kinds) {
            for (const auto& [wayName, way] : ways)
                QTest::addRow("%s, %s", kindName, wayName) << int(kind) << int(way);
        }
    }
    void selectsWholeText()
    {
        QFETCH(int, kind);
        QFETCH(int, how);

        QWidget form;
        auto* layout = new QVBoxLayout(&form);
        auto* start = new QPushButton(QStringLiteral("Start"), &form);
        layout->addWidget(start);
        SelectAllOnFocus::install(&form);
        QVERIFY(SelectAllOnFocus::install(&form) ==
                form.findChild<SelectAllOnFocus*>()); // installed once

        QWidget* target = nullptr;
        QLineEdit* edit = nullptr;
        auto addBoxes = [&] {
            switch (Kind(kind)) {
            case Kind::LineEdit:
            case Kind::AddedLater:
                edit = new QLineEdit(QStringLiteral("1,500"), &form);
                target = edit;
                break;
            case Kind::EditableCombo: {
                auto* combo = new QComboBox(&form);
                combo->setEditable(true);
                combo->addItems({QStringLiteral("Attic"), QStringLiteral("Garage")});
                edit = combo->lineEdit();
                target = combo;
                break;
            }
            case Kind::SpinBox: {
                auto* spin = new QSpinBox(&form);
                spin->setRange(0, 100000);
                spin->setValue(1500);
                edit = spin->findChild<QLineEdit*>();
                target = spin;
                break;
            }
            }
            layout->addWidget(target);
            target->show();
        };
        if (Kind(kind) != Kind::AddedLater)
            addBoxes();
        form.show();
        QVERIFY(activate(&form));
        if (Kind(kind) == Kind::AddedLater)
            addBoxes();
        start->setFocus();
        const QString text = edit->text();
        QVERIFY(!text.isEmpty());
        QVERIFY(!edit->hasSelectedText());

        switch (Enter(how)) {
        case Enter::Tab:
            QTest::keyClick(start, Qt::Key_Tab);
            break;
        case Enter::Click:
            QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(edit->width() / 2, 5));
            break;
        case Enter::SetFocus:
            target->setFocus();
            break;
        }

        QVERIFY(target->hasFocus() || edit->hasFocus());
        QCOMPARE(edit->selectedText(), text);
    }

    // Coming back from another window keeps what the user had selected.
    void windowReturnKeepsSelection()
    {
        QWidget form;
        auto* layout = new QVBoxLayout(&form);
        auto* edit = new QLineEdit(QStringLiteral("Kitchen photos"), &form);
        layout->addWidget(edit);
        SelectAllOnFocus::install(&form);
        form.show();
        QVERIFY(activate(&form));
        edit->setFocus();
        edit->setSelection(0, 7);

        QWidget other;
        other.show();
        QVERIFY(activate(&other));
        QVERIFY(activate(&form));

        QVERIFY(edit->hasFocus());
        QCOMPARE(edit->selectedText(), QStringLiteral("Kitchen"));
    }

    void otherFormsAreLeftAlone()
    {
        QWidget form;
        SelectAllOnFocus::install(&form);
        QWidget other;
        auto* edit = new QLineEdit(QStringLiteral("text"), &other);
        other.show();
        QVERIFY(activate(&other));
        edit->setFocus(Qt::OtherFocusReason);
        QVERIFY(!edit->hasSelectedText());
    }
};

QTEST_MAIN(TestSelectAllOnFocus)
#include "test_selectallonfocus.moc"
