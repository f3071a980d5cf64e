#pragma once

#include <QByteArray>
#include <QString>

// A voice message recorded with the add dialog lives in a file of its own;
// exported, it travels inside the calendar, so that an import where that
// file is not (another machine, another home) can still play it.
inline constexpr char kVoiceMemoProperty[] = "X-CHIMEWISE-VOICE-MEMO";

// The file in base64 when it is a recording in the recorder's format
// (8-bit mono wave at 11025 Hz) of at most 4 MiB; empty otherwise.
QByteArray voiceMemoOf(const QString &path);

// Writes the memo into the folder as a ".wav" under the file's own name,
// numbered when that name is taken. The path written, or empty when it could not be.
QString restoreVoiceMemo(const QByteArray &base64, const QString &fileName, const QString &folder);
