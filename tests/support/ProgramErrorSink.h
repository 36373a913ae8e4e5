#pragma once

#include <QStringList>

#include <functional>

class Application;
namespace vbrt {
class Error;
}

namespace testsupport {

// Sends the errors no handler caught, which the program's own application object stops in its
// event dispatch, to the innermost run alive; with none, they fail the running test.
void installProgramErrorSink(Application& app);

// While alive, the errors no handler caught go to this run's handler. The test program must
// have installed the program's error sink (OSTREL_GUI_TEST_MAIN does).
class RunErrorSink
{
public:
    explicit RunErrorSink(std::function<void(const vbrt::Error&)> handler);
    ~RunErrorSink();
    RunErrorSink(const RunErrorSink&) = delete;
    RunErrorSink& operator=(const RunErrorSink&) = delete;

private:
    std::function<void(const vbrt::Error&)> m_handler;
};

// Fails the running test with the error.
void failOnError(const vbrt::Error& error);

// "<number>: <description>", as a test lists the errors it saw.
QString describe(const vbrt::Error& error);

} // namespace testsupport
