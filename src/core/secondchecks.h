#pragma once

#include "core/secondcatchup.h"

#include <functional>
#include <optional>
#include <vector>

// Runs the scheduled checks of every owed second, oldest first, each second's
// checks in the order they were added. A check that starts something the
// rest of its second must wait for (the spoken time) holds the run; resume()
// goes on from the next check of that second. Ticks nested inside a check
// (a modal window) share the run, so no check runs twice for one second.
class SecondChecks
{
public:
    using Check = std::function<void(const TickSecond &)>;

    explicit SecondChecks(qint64 lastChecked) : m_catchUp(lastChecked) {}

    void add(Check check) { m_checks.push_back(std::move(check)); }

    // Called by every tick: runs what is owed up to now, unless held.
    void run(qint64 now);

    void hold() { m_held = true; }
    // May be called from inside the check that held, or later from the event loop.
    void resume(qint64 now);
    bool held() const { return m_held; }

private:
    SecondCatchUp m_catchUp;
    std::vector<Check> m_checks;
    std::optional<TickSecond> m_second; // the second whose checks are under way
    std::size_t m_nextCheck = 0;
    bool m_held = false;
    int m_depth = 0; // runs under way, nested ones included
};
