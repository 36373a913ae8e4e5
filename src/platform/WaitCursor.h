#pragma once

namespace platform {

// The hourglass pointer for the life of a scope, restored also when the work throws.
//
//     {
//         platform::WaitCursor wait;
//         CreateHouseReport(0);
//     }
class WaitCursor
{
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

    // Gives the normal pointer back before the scope ends; later calls do nothing.
    void restore();

private:
    bool m_active = true;
};

} // namespace platform
