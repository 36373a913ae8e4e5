#include "QtDialogs.h"
#include "ScreenFit.h"
#include "Twips.h"
#include "WaitCursor.h"
#include "WheelGuard.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>

#include <functional>
#include <stdexcept>

using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;

namespace {

// Runs the action on the modal box once its event loop is running.
void whenModalShown(std::function<void(QWidget*)> action)
{
    QTimer::singleShot(0, [action] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        action(modal);
    });
}

Qt::CursorShape overrideShape()
{
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor ? cursor->shape() : Qt::ArrowCursor;
}

} // namespace

class TestSmallPlatform : public QObject
{
    Q_OBJECT
private slots:
    void twips_data()
    {
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("zero") << 0 << 0;
        QTest::newRow("one pixel") << 15 << 1;
        QTest::newRow("just under half") << 7 << 0;
        QTest::newRow("just over half") << 8 << 1;
        QTest::newRow("an inch") << 1440 << 96;
        QTest::newRow("negative") << -8 << -1;
        QTest::newRow("largest") << INT_MAX << INT_MAX / 15;
        QTest::newRow("smallest") << INT_MIN << -(INT_MAX / 15) - 1;
    }
    void twips()
    {
        QFETCH(int, twips);
        QFETCH(int, pixels);
        QCOMPARE(platform::twipsToPixels(twips), pixels);
    }

    void pixelsToTwipsSaturates()
    {
        QCOMPARE(platform::pixelsToTwips(96), 1440);
        QCOMPARE(platform::pixelsToTwips(-3), -45);
        QCOMPARE(platform::pixelsToTwips(INT_MAX), INT_MAX);
        QCOMPARE(platform::pixelsToTwips(INT_MIN), INT_MIN);
        // Rows laid out edge to edge in twips stay edge to edge in pixels.
        const QRect first = platform::twipsToPixels(QRect(0, 1000, 2000, 340));
        const QRect second = platform::twipsToPixels(QRect(0, 1340, 2000, 340));
        QCOMPARE(first.y() + first.height(), second.y());
    }

    void waitCursorRestores()
    {
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        {
            platform::WaitCursor wait;
            QCOMPARE(overrideShape(), Qt::WaitCursor);
            wait.restore();
            QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        }
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        try {
            platform::WaitCursor wait;
            throw std::runtime_error("report failed");
        } catch (const std::runtime_error&) {
        }
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    void fileFilters_data()
    {
        QTest::addColumn<QString>("pipes");
        QTest::addColumn<QString>("qt");
        QTest::newRow("movies")
            << "Movie Files (*.mpg,*.mpeg,*.mov,*.wmv,*.asf,*.avi)|*.mpg;*.mpeg;*.wmv;*.mov;*.asf;"
               "*.avi|All Files|*.*"
            << "Movie Files (*.mpg,*.mpeg,*.mov,*.wmv,*.asf,*.avi) (*.mpg *.mpeg *.wmv *.mov "
               "*.asf *.avi);;All Files (*)";
        QTest::newRow("viewer")
            << "PPView32.exe|PPView32.exe|Executables (*.exe)|*.exe|All Files|*.*"
            << "PPView32.exe (PPView32.exe);;Executables (*.exe) (*.exe);;All Files (*)";
        QTest::newRow("empty") << ""
                               << "";
    }
    void fileFilters()
    {
        QFETCH(QString, pipes);
        QFETCH(QString, qt);
        QCOMPARE(platform::qtFileFilter(pipes), qt);
    }

    // The real message box: every button gives its own answer, Escape the cautious one.
    void messageBoxAnswers_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("press"); // a QMessageBox::StandardButton, 0 for Escape
        QTest::addColumn<int>("answer");
        using B = QMessageBox;
        QTest::newRow("OK") << int(MsgButtons::OK) << int(B::Ok) << int(MsgResult::OK);
        QTest::newRow("OK, Escape") << int(MsgButtons::OK) << 0 << int(MsgResult::OK);
        QTest::newRow("OKCancel, Cancel")
            << int(MsgButtons::OKCancel) << int(B::Cancel) << int(MsgResult::Cancel);
        QTest::newRow("YesNo, Yes") << int(MsgButtons::YesNo) << int(B::Yes) << int(MsgResult::Yes);
        QTest::newRow("YesNo, No") << int(MsgButtons::YesNo) << int(B::No) << int(MsgResult::No);
        QTest::newRow("YesNo, Escape") << int(MsgButtons::YesNo) << 0 << int(MsgResult::No);
        QTest::newRow("YesNoCancel, Escape")
            << int(MsgButtons::YesNoCancel) << 0 << int(MsgResult::Cancel);
        QTest::newRow("RetryCancel, Retry")
            << int(MsgButtons::RetryCancel) << int(B::Retry) << int(MsgResult::Retry);
        QTest::newRow("AbortRetryIgnore, Ignore")
            << int(MsgButtons::AbortRetryIgnore) << int(B::Ignore) << int(MsgResult::Ignore);
    }
    void messageBoxAnswers()
    {
        QFETCH(int, buttons);
        QFETCH(int, press);
        QFETCH(int, answer);
        QApplication::setApplicationDisplayName(QStringLiteral("Ostrel9"));
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        whenModalShown([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            if (press == 0)
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->button(QMessageBox::StandardButton(press))->click();
        });
        platform::QtDialogs dialogs;
        QCOMPARE(int(dialogs.msgBox(QStringLiteral("Delete selected technician?"),
                                    MsgButtons(buttons), MsgIcon::Exclamation, {})),
                 answer);
        QCOMPARE(title, QStringLiteral("Ostrel9"));
        QCOMPARE(text, QStringLiteral("Delete selected technician?"));
        QCOMPARE(icon, QMessageBox::Warning);
    }

    void windowsOpenWithinTheScreen()
    {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const auto framedWithin = [&area](const QWidget& w) {
            return area.contains(w.frameGeometry());
        };

        // Too large, and placed past the bottom right corner.
        QDialog big;
        big.resize(area.width() + 300, area.height() + 200);
        big.move(area.right() - 50, area.bottom() - 50);
        platform::keepOnScreen(&big);
        big.show();
        QVERIFY(framedWithin(big));
        // Each time it is shown.
        big.hide();
        big.resize(area.width() + 300, 100);
        big.move(area.left() - 500, area.top() - 500);
        big.show();
        QVERIFY(framedWithin(big));
        QCOMPARE(big.height(), 100);

        // A window that fits stays where and as it is.
        QDialog small;
        small.resize(300, 200);
        small.move(area.topLeft() + QPoint(100, 100));
        platform::keepOnScreen(&small);
        small.show();
        QCOMPARE(small.geometry().size(), QSize(300, 200));
        QCOMPARE(small.pos(), area.topLeft() + QPoint(100, 100));

        // A main window not placed yet opens in the middle.
        QWidget main;
        main.resize(200, 100);
        platform::keepOnScreen(&main);
        main.show();
        QVERIFY(framedWithin(main));
        QVERIFY(qAbs(main.geometry().center().x() - area.center().x()) < 10);
    }

    // The wheel over a closed list, or over the edit part of an editable one, leaves its
    // choice alone. One guard serves every list, also of windows made later.
    void wheelLeavesClosedListsAlone()
    {
        platform::WheelGuard::install();
        platform::WheelGuard::install();
        QCOMPARE(qApp->findChildren<platform::WheelGuard*>().size(), 1);

        QWidget form;
        for (const bool editable : {false, true}) {
            auto* list = new QComboBox(&form);
            list->setEditable(editable);
            list->addItems({QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three")});
            list->setCurrentIndex(1);
            QSignalSpy activated(list, &QComboBox::activated);
            QWidget* under = editable ? static_cast<QWidget*>(list->lineEdit()) : list;
            form.show();
            for (const int delta : {-120, 120}) {
                QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), {}, QPoint(0, delta), Qt::NoButton,
                                  Qt::NoModifier, Qt::NoScrollPhase, false);
                QSpontaneKeyEvent::setSpontaneous(&wheel);
                QApplication::sendEvent(under, &wheel);
                QCOMPARE(list->currentIndex(), 1);
            }
            QCOMPARE(activated.size(), 0);
        }
    }

    void inputBox()
    {
        platform::QtDialogs dialogs;
        whenModalShown([](QWidget* modal) {
            auto* input = qobject_cast<QInputDialog*>(modal);
            QVERIFY(input);
            QCOMPARE(input->windowTitle(), QStringLiteral("Enter Folder Name"));
            QCOMPARE(input->textValue(), QStringLiteral("New"));
            input->setTextValue(QStringLiteral("Basement"));
            input->accept();
        });
        QCOMPARE(dialogs.inputBox(QStringLiteral("Enter the name for the new Still Photos Folder"),
                                  QStringLiteral("Enter Folder Name"), QStringLiteral("New")),
                 std::optional<QString>(QStringLiteral("Basement")));

        whenModalShown([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
        QCOMPARE(dialogs.inputBox(QStringLiteral("Name?"), QStringLiteral("T")),
                 std::optional<QString>());
    }
};

QTEST_MAIN(TestSmallPlatform)
#include "test_smallplatform.moc"
