#include "core/secondchecks.h"

void SecondChecks::run(qint64 now)
{
    if (m_held)
        return;
    ++m_depth;
    if (!m_second)
        m_catchUp.begin(now);
    while (!m_held) {
        if (!m_second) {
            const auto next = m_catchUp.takeNext(now);
            if (!next)
                break;
            m_second = TickSecond{*next, TimeSource::toLocal(*next)};
            m_nextCheck = 0;
        }
        if (m_nextCheck == m_checks.size()) {
            m_second.reset();
            continue;
        }
        // A copy: a nested run may move on to the next second meanwhile.
        const TickSecond second = *m_second;
        m_checks[m_nextCheck++](second);
    }
    --m_depth;
}

void SecondChecks::resume(qint64 now)
{
    m_held = false;
    // Inside a run the loop under way goes on by itself.
    if (m_depth == 0)
        run(now);
}
