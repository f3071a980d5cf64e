#pragma once

#include <QStringList>

class QTextStream;
class SoundDevice;

// "chimewise --say HH:MM [--english|--bangla]": speaks one time the way the
// clock would, for people checking a voice of their own.
// Loads the voice definition as the clock does and speaks the time from the
// recording (empty: the shipped one); returns the exit status: 2 for
// arguments it cannot use, 1 when the recording or the definition cannot
// be spoken, with the reason on err.
int runSayCommand(const QStringList &arguments, int storedEnglish, SoundDevice &device,
                  QTextStream &err, const QString &recordingPath = {});
