#pragma once

#include "sound/sounddevice.h"

#include <QHash>

#include <map>
#include <memory>

class AliasSound;
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

private:
    int run(const SoundCommand &command, QString *reply);
    int open(const SoundCommand &command);
    int set(const SoundCommand &command, AliasSound &sound);
    int status(const SoundCommand &command, AliasSound &sound, QString *reply);
    int play(const SoundCommand &command, AliasSound &sound);
    int record(const SoundCommand &command, AliasSound &sound);
    int save(const SoundCommand &command, AliasSound &sound);
    int fail(Error code, const QString &text);

    // Keyed by the alias in lower case.
    std::map<QString, std::unique_ptr<AliasSound>> m_aliases;
    QHash<int, QString> m_errorTexts;
};
