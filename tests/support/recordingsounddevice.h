#pragma once

#include "sound/sounddevice.h"

#include <QHash>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <utility>
#include <vector>

// Keeps every command the program sends and answers from a script: commands
// starting with a scripted prefix fail with code kFailure (all of them, or
// only the first n), status commands get their scripted reply. A command sent
// without waiting ends from the event loop at once, or, while waits are held,
// when the test ends them.
class RecordingSoundDevice final : public SoundDevice
{
public:
    static constexpr int kFailure = 263;

    int send(const QString &command, QString *reply = nullptr) override
    {
        sent << command;
        for (auto it = m_failures.begin(); it != m_failures.end(); ++it) {
            if (command.startsWith(it.key()) && it.value() != 0) {
                if (it.value() > 0)
                    --it.value();
                return kFailure;
            }
        }
        if (reply)
            *reply = m_replies.value(command);
        return 0;
    }

    QString errorText(int code) const override
    {
        return QStringLiteral("The device failed with code %1").arg(code);
    }

    int sendAndNotify(const QString &command, QObject *context, std::function<void()> ended) override
    {
        const int code = send(command);
        if (code == 0 && holdWaits)
            m_waits.emplace_back(context, std::move(ended));
        else if (code == 0)
            QTimer::singleShot(0, context, std::move(ended));
        return code;
    }

    // Ends the held waits, as if their plays had been heard.
    void endWaits()
    {
        for (auto &[context, ended] : std::exchange(m_waits, {})) {
            if (context)
                ended();
        }
    }
    int heldWaits() const { return int(m_waits.size()); }

    bool holdWaits = false;

    // times < 0: fails for ever.
    void failCommandsStartingWith(const QString &prefix, int times = -1)
    {
        m_failures.insert(prefix, times);
    }
    void reply(const QString &command, const QString &answer) { m_replies.insert(command, answer); }

    QStringList sent;

private:
    QHash<QString, int> m_failures;
    QHash<QString, QString> m_replies;
    std::vector<std::pair<QPointer<QObject>, std::function<void()>>> m_waits;
};
