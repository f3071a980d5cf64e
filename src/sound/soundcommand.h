#pragma once

#include <QString>

#include <optional>

// One command line of the sound device, taken apart. Keywords and aliases
// are case-insensitive; a file path is quoted when it holds blanks, and a
// quote inside a quoted path is doubled.
struct SoundCommand
{
    enum class Verb { Open, Set, Status, Play, Record, Stop, Save, Close };
    enum class Item { None, Length, Position, Mode };

    Verb verb = Verb::Close;
    QString alias;           // as written; compare case-insensitively
    QString path;            // open: the file to play; save: the file to write
    bool newRecording = false; // open new: an empty recording, no file
    bool wait = false;
    Item item = Item::None;  // status
    std::optional<qint64> from; // play, milliseconds
    std::optional<qint64> to;
    // set: the recording format
    std::optional<int> bitsPerSample;
    std::optional<int> channels;
    std::optional<int> samplesPerSecond;

    // Nothing when the text is not one of the forms above.
    static std::optional<SoundCommand> parse(const QString &text);

    // Any file path as a command takes it: between quotes, each quote
    // inside doubled (/a "b".wav becomes "/a ""b"".wav").
    static QString quoted(const QString &path);
};
