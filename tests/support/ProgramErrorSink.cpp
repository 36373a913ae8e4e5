#include "ProgramErrorSink.h"

#include "ErrorReport.h"
#include "vberror.h"

#include <QList>
#include <QTest>

namespace testsupport {
namespace {

QList<const std::function<void(const vbrt::Error&)>*>& runs()
{
    static QList<const std::function<void(const vbrt::Error&)>*> live;
    return live;
}

} // namespace

QString describe(const vbrt::Error& error)
{
    return QString::number(error.number()) + QStringLiteral(": ") + error.description();
}

void failOnError(const vbrt::Error& error)
{
    QTest::qFail(qPrintable(QStringLiteral("unhandled error ") + describe(error)), __FILE__,
                 __LINE__);
}

void installProgramErrorSink(Application& app)
{
    app.setUnhandledErrorSink([](const vbrt::Error& error) {
        if (runs().isEmpty())
            failOnError(error);
        else
            (*runs().constLast())(error);
    });
}

RunErrorSink::RunErrorSink(std::function<void(const vbrt::Error&)> handler)
    : m_handler(std::move(handler))
{
    // Without the program's application object an error in a slot would end the test
    // program instead of failing the test.
    if (!dynamic_cast<Application*>(QCoreApplication::instance()))
        qFatal("a test program that runs the program starts with OSTREL_GUI_TEST_MAIN");
    runs().append(&m_handler);
}

RunErrorSink::~RunErrorSink()
{
    runs().removeOne(&m_handler);
}

} // namespace testsupport
