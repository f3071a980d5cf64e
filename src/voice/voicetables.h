#pragma once

#include <QString>

#include <array>

// One stretch of the recording, in milliseconds. from = to = 0 is an empty
// segment: it is still played, and plays nothing.
struct VoiceSegment
{
    qint32 from = 0;
    qint32 to = 0;

    friend bool operator==(const VoiceSegment &, const VoiceSegment &) = default;
};

// Where the words of one language lie in the recording.
struct VoiceTable
{
    std::array<VoiceSegment, 12> hour; // hour of the day modulo 12
    std::array<VoiceSegment, 4> min;   // minute / 15; min[0] is always empty
    std::array<VoiceSegment, 6> zone;  // period of the day
    std::array<VoiceSegment, 2> ampm;  // 0 before noon, 1 from noon on
    VoiceSegment starter;              // the opening phrase
    QString name;                      // display name, at most kMaxNameLength characters

    static constexpr int kMaxNameLength = 47;

    friend bool operator==(const VoiceTable &, const VoiceTable &) = default;
};

// The two announcement languages and the table the announcer reads.
// Table 0 (Bangla) speaks while the English flag is 0, table 1 (English) while it is 1.
class VoiceTables
{
public:
    VoiceTables() { setDefaultVoiceTables(); }

    // Reads both sections of the voice definition file; false (and tables
    // possibly half filled) when the file is missing or malformed.
    bool loadVoiceDefinition(const QString &path);

    // Start-up: reads "Tolvex.def" (the current directory's first, then the
    // shipped one); on any failure both languages get the defaults. Gives
    // the path of the file read, empty for the defaults.
    QString loadAtStartUp();

    // The built-in segments of the recording shipped with the program.
    void setDefaultVoiceTables();

    // Copies the segments (not the name) of the chosen language into the current table.
    void selectVoiceLanguage(int englishFlag);

    const VoiceTable &language(int index) const { return m_languages[index ? 1 : 0]; }
    const VoiceTable &current() const { return m_current; }

private:
    std::array<VoiceTable, 2> m_languages;
    VoiceTable m_current;
};
