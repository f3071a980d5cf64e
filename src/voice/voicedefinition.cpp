// Reading the voice definition file: two sections, one per language, each
// naming where every word of the announcement lies in the recording.
#include "voice/voicetables.h"

#include "timetext/leadingdecimal.h"

#include <QByteArrayList>
#include <QFile>
#include <QFileInfo>

#include <optional>
#include <string_view>

namespace {

constexpr int kLineBufferSize = 1024; // lines longer than 1023 bytes continue on the next read
constexpr std::string_view kSeparators = " ,;\n#\t=";
constexpr int kWordsLookedAt = 3;

// Gives the lines that carry content, without their leading blanks and tabs;
// blank lines and lines whose first non-blank character is '#' are skipped.
class DefinitionLines
{
public:
    explicit DefinitionLines(QFile &file) : m_file(file) {}

    std::optional<QByteArray> next()
    {
        char buffer[kLineBufferSize];
        for (;;) {
            const qint64 length = m_file.readLine(buffer, sizeof buffer);
            if (length <= 0)
                return std::nullopt;
            QByteArray line(buffer, length);
            // Files written on Windows end their lines with CR LF.
            if (line.endsWith("\r\n"))
                line.remove(line.size() - 2, 1);
            else if (line.endsWith('\r'))
                line.chop(1);
            qsizetype start = 0;
            while (start < line.size() && (line[start] == ' ' || line[start] == '\t'))
                ++start;
            if (start < line.size() && line[start] != '\n' && line[start] != '#')
                return line.mid(start);
        }
    }

private:
    QFile &m_file;
};

QByteArrayList firstWords(const QByteArray &line)
{
    QByteArrayList words;
    QByteArray word;
    for (const char c : line) {
        if (kSeparators.find(c) == std::string_view::npos) {
            word += c;
        } else if (!word.isEmpty()) {
            words << word;
            word.clear();
        }
        if (words.size() == kWordsLookedAt)
            return words;
    }
    if (!word.isEmpty())
        words << word;
    return words;
}

int number(const QByteArray &word)
{
    return leadingDecimal(QString::fromLatin1(word));
}

// The display name is one word; it is cut to what the name field holds.
QString displayName(const QByteArray &word)
{
    QString name = QString::fromUtf8(word);
    if (name.size() > VoiceTable::kMaxNameLength) {
        name.truncate(VoiceTable::kMaxNameLength);
        if (name.back().isHighSurrogate())
            name.chop(1);
    }
    return name;
}

class SectionReader
{
public:
    explicit SectionReader(DefinitionLines &lines) : m_lines(lines) {}

    bool read(VoiceTable &table)
    {
        const auto header = m_lines.next();
        if (!header || !(header->startsWith("Bangla {") || header->startsWith("English {")))
            return false;

        const auto language = wordsOf("language", 2);
        if (!language)
            return false;
        table.name = displayName(language->at(1));

        if (!segment("starter", table.starter))
            return false;
        for (VoiceSegment &hour : table.hour) {
            if (!segment("hour[", hour))
                return false;
        }
        table.min[0] = VoiceSegment{};
        for (std::size_t i = 1; i < table.min.size(); ++i) {
            if (!segment("min[", table.min[i]))
                return false;
        }
        for (VoiceSegment &zone : table.zone) {
            if (!segment("zone[", zone))
                return false;
        }
        for (VoiceSegment &ampm : table.ampm) {
            if (!segment("ampm[", ampm))
                return false;
        }
        return wordsOf("}", 1).has_value();
    }

private:
    // The next line, when its first word begins with the key and it has at
    // least the wanted number of words. The bracketed index is not read:
    // entries are filled in file order.
    std::optional<QByteArrayList> wordsOf(const char *key, int wanted)
    {
        const auto line = m_lines.next();
        if (!line)
            return std::nullopt;
        QByteArrayList words = firstWords(*line);
        if (words.size() < wanted || !words[0].startsWith(key))
            return std::nullopt;
        return words;
    }

    bool segment(const char *key, VoiceSegment &target)
    {
        const auto words = wordsOf(key, 3);
        if (!words)
            return false;
        target = {number(words->at(1)), number(words->at(2))};
        return true;
    }

    DefinitionLines &m_lines;
};

} // namespace

bool VoiceTables::loadVoiceDefinition(const QString &path)
{
    // Only a regular file: reading a FIFO would wait for a writer.
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Editors on Windows start a UTF-8 file with a byte-order mark.
    if (file.peek(3) == "\xEF\xBB\xBF")
        file.skip(3);

    // The header word does not choose the table: the first section is table 0.
    DefinitionLines lines(file);
    SectionReader reader(lines);
    for (VoiceTable &table : m_languages) {
        VoiceTable read;
        if (!reader.read(read))
            return false;
        table = read;
    }
    return true;
}
