#pragma once

#include <QString>

#include <functional>

class QObject;

// The sound device command interface every sound of the program goes through:
// a command line naming a device alias ("open \"f.wav\" type waveaudio alias
// mysound buffer 6", "play mysound from 0 to 900 wait", "status a mode wait",
// ...). Aliases are independent devices.
// The program's is SdlSoundDevice; tests of callers use RecordingSoundDevice.
class SoundDevice
{
public:
    virtual ~SoundDevice() = default;

    // 0 on success, otherwise an error code for errorText(). A status command
    // puts its answer ("1234", "playing", "stopped") into reply when given.
    virtual int send(const QString &command, QString *reply = nullptr) = 0;

    // What went wrong, for a code send() returned; it names the file or alias
    // of the latest failure with that code.
    virtual QString errorText(int code) const = 0;

    // A command ending in "wait" sent without waiting for it: returns what
    // send() would, and after a success `ended` runs from this thread's event
    // loop once the command has finished (a play: once it has been heard to
    // its end, was stopped or its alias closed), unless `context` is gone by
    // then. It never runs before this returns. A waited play sent while its
    // alias still plays an earlier one follows that one without a gap.
    virtual int sendAndNotify(const QString &command, QObject *context,
                              std::function<void()> ended) = 0;
};
