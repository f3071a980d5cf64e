#pragma once

#include "voice/voicetables.h"

#include <functional>

class QObject;
class SoundDevice;

// The recording the spoken time is cut from.
inline constexpr char kRecordingFile[] = "tolvex.wav";

// Period of the day spoken before the hour, 0..5, from the hour 0..23.
int periodOfDay(int hour);

// Speaks hour:minute from the recording at recordingPath on the alias
// "mysound": the opening phrase, the period, the hour, the quarter and
// AM/PM, each played to its end, without blocking the caller. `spoken` runs
// once it is over and the alias closed, from the event loop (or at once when
// nothing could be played), unless `context` is gone by then. Fails
// silently, as a scheduled sound must.
void announceTime(SoundDevice &device, const VoiceTable &table, int hour, int minute,
                  const QString &recordingPath, QObject *context, std::function<void()> spoken);
