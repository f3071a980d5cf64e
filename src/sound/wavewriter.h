#pragma once

#include "sound/recordingformat.h"

#include <QByteArray>
#include <QString>

// Writes recorded PCM frames (unsigned 8-bit or native signed 16-bit) as a
// wave file of the same format.
class WaveWriter
{
public:
    // False with the reason when the file cannot be written in full.
    static bool write(const QString &path, const RecordingFormat &format, const QByteArray &frames,
                      QString *reason);
};
