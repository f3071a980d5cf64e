#pragma once

#include <QString>

#include <utility>

class PromptService;

// What a database operation gives back: success, or the driver's error text.
// Store code returns it; the owner of the operation shows it.
class DbStatus
{
public:
    DbStatus() = default;
    static DbStatus failure(const QString &errorText);

    bool ok() const { return !m_failed; }
    const QString &errorText() const { return m_errorText; }

private:
    bool m_failed = false;
    QString m_errorText;
};

// A value on success; on failure only the status counts.
template <typename T>
class DbResult : public DbStatus
{
public:
    DbResult(T value) : m_value(std::move(value)) {}
    DbResult(const DbStatus &failed) : DbStatus(failed) {}

    const T &value() const { return m_value; }

private:
    T m_value{};
};

// Shows a failed status in a message box captioned "Chimewise" with OK.
// True when the status was a success.
bool reportDbError(const DbStatus &status, PromptService &prompts);
