#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// Starts other programs on their own. The slide shows reach their viewer program through it;
// tests hand in one of their own to see what would be started.
class ProcessStarter
{
public:
    virtual ~ProcessStarter() = default;

    // Starts the program with the arguments and does not wait for it. Raises error 53 (file
    // not found) when the program file does not exist and error 5 when it exists but cannot
    // be started.
    virtual void startDetached(const QString& program, const QStringList& arguments);
};

} // namespace platform
