#include "core/secondcatchup.h"

void SecondCatchUp::begin(qint64 now)
{
    const bool reliving = now <= m_lastChecked && m_lastChecked - now <= kMaxSetBackSeconds;
    if (!reliving && (now < m_lastChecked || now - m_lastChecked > kMaxCatchUpSeconds))
        m_lastChecked = now - 1;
}

std::optional<qint64> SecondCatchUp::takeNext(qint64 now)
{
    if (m_lastChecked >= now)
        return std::nullopt;
    return ++m_lastChecked;
}
