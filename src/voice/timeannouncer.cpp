#include "voice/timeannouncer.h"

#include "sound/soundcommand.h"
#include "sound/sounddevice.h"

#include <memory>

namespace {

const char kAlias[] = "mysound";
constexpr int kOpenAttempts = 10;

} // namespace

int periodOfDay(int hour)
{
    if (hour >= 4 && hour <= 5)
        return 0;
    if (hour >= 6 && hour <= 11)
        return 1;
    if (hour >= 12 && hour <= 15)
        return 2;
    if (hour >= 16 && hour <= 17)
        return 3;
    if (hour >= 18 && hour <= 19)
        return 4;
    return 5;
}

void announceTime(SoundDevice &device, const VoiceTable &table, int hour, int minute,
                  const QString &recordingPath, QObject *context, std::function<void()> spoken)
{
    const QString open =
        QString("open %1 type waveaudio alias %2 buffer 6 ").arg(SoundCommand::quoted(recordingPath), kAlias);
    bool opened = false;
    for (int attempt = 0; attempt < kOpenAttempts && !opened; ++attempt)
        opened = device.send(open) == 0;
    if (!opened) {
        spoken();
        return;
    }

    const int amPm = hour >= 12 ? 1 : 0;
    const VoiceSegment segments[] = {
        table.starter,
        table.zone[periodOfDay(hour)],
        table.hour[hour % 12],
        table.min[minute / 15],
        table.ampm[amPm],
    };
    // Every stretch is queued at once, so that each follows the one before
    // without a gap; the alias closes once the last one queued has been heard.
    struct Speaking
    {
        SoundDevice &device;
        std::function<void()> spoken;
        int lastQueued = -1;
    };
    const auto speaking = std::make_shared<Speaking>(Speaking{device, std::move(spoken)});
    const auto end = [speaking] {
        speaking->device.send(QString("close %1 wait").arg(kAlias));
        speaking->spoken();
    };
    int queued = 0;
    if (device.send(QString("set %1 time format ms wait").arg(kAlias)) == 0) {
        for (const VoiceSegment &segment : segments) {
            const QString play =
                QString::asprintf("play %s from %ld to %ld wait", kAlias, long(segment.from),
                                  long(segment.to));
            const auto heard = [speaking, end, index = queued] {
                if (index == speaking->lastQueued)
                    end();
            };
            if (device.sendAndNotify(play, context, heard) != 0)
                break;
            ++queued;
        }
    }
    speaking->lastQueued = queued - 1;
    if (queued == 0)
        end();
}
