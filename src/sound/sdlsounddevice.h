#pragma once

#include "sound/sounddevice.h"

#include <QHash>
#include <QPointer>
#include <QTimer>

#include <map>
#include <memory>
#include <vector>

class AliasSound;
class FileSound;
struct SoundCommand;

// The program's sound device: wave files played on the default output and
// recordings taken from the default input through SDL, each alias a device
// of its own. With no audio device at all every sound still runs its
// length in silence, so callers that wait or poll behave the same.
class SdlSoundDevice final : public SoundDevice
{
public:
    enum Error {
        CommandNotUnderstood = 1,
        AliasAlreadyOpen,
        AliasNotOpen,
        FileUnreadable,
        PositionOutOfRange,
        NotPossibleForAlias,
        FormatNotSupported,
        SaveFailed,
    };

    SdlSoundDevice();
    ~SdlSoundDevice() override;

    int send(const QString &command, QString *reply = nullptr) override;
    QString errorText(int code) const override;
    int sendAndNotify(const QString &command, QObject *context,
                      std::function<void()> ended) override;

private:
    // A waited play sent without waiting: its alias and number there.
    struct Waiting
    {
        QString alias; // lower case; empty once the alias was closed
        qint64 number = 0;
        // A device that stops taking frames without a word keeps nobody waiting past this.
        std::chrono::steady_clock::time_point deadline;
        QPointer<QObject> context;
        std::function<void()> ended;
    };

    int parse(const QString &command, SoundCommand &parsed);
    int run(const SoundCommand &command, QString *reply);
    int open(const SoundCommand &command);
    int set(const SoundCommand &command, AliasSound &sound);
    int status(const SoundCommand &command, AliasSound &sound, QString *reply);
    int play(const SoundCommand &command, AliasSound &sound);
    int stretch(const SoundCommand &command, FileSound &file, qint64 &from, qint64 &to);
    int close(std::map<QString, std::unique_ptr<AliasSound>>::iterator alias);
    // Runs the ends of the waits that have been heard; sleeps till the next.
    void endWaits();
    void endWaitsSoon();
    int record(const SoundCommand &command, AliasSound &sound);
    int save(const SoundCommand &command, AliasSound &sound);
    int fail(Error code, const QString &text);

    // Keyed by the alias in lower case.
    std::map<QString, std::unique_ptr<AliasSound>> m_aliases;
    QHash<int, QString> m_errorTexts;
    std::vector<Waiting> m_waiting;
    QTimer m_waitTimer;
};
