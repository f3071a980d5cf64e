#pragma once

#include <QStringList>

class QTextStream;
class SoundDevice;

// "chimewise --say HH:MM [--english|--bangla]": speaks one time the way the
// clock would, for people checking a voice of their own.
bool isSayCommand(const QStringList &arguments);

// Loads the voice definition as the clock does and speaks the time; returns
// the exit status (2 for arguments it cannot use, with the reason on err).
int runSayCommand(const QStringList &arguments, int storedEnglish, SoundDevice &device,
                  QTextStream &err);
