#include "timetext/calendarlines.h"

#include <QList>
#include <QStringDecoder>

#include <libical/ical.h>

namespace {

// A content line with its folded continuations joined, and the number of
// its first line in the file.
struct ContentLine
{
    int number = 0;
    QByteArray text;
};

struct Open
{
    QByteArray component;
    int line = 0;
};

// Blank lines are left out. A continuation with nothing before it sets `stray`.
QList<ContentLine> unfolded(const QByteArray &text, int &stray)
{
    QList<ContentLine> lines;
    int number = 0;
    for (QByteArray line : text.split('\n')) {
        ++number;
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.startsWith(' ') || line.startsWith('\t')) {
            if (lines.isEmpty()) {
                stray = number;
                return {};
            }
            lines.last().text += line.mid(1);
        } else if (!line.trimmed().isEmpty()) {
            lines << ContentLine{number, line};
        }
    }
    return lines;
}

bool isNameCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
}

// Where the value of "NAME[;PARAM=…]:VALUE" begins: after the first colon
// outside quotes. -1 when there is none.
qsizetype valueStart(const QByteArray &line)
{
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ':' && !quoted)
            return i + 1;
    }
    return -1;
}

// The upper-cased name, or empty when the line has another shape.
QByteArray nameOf(const QByteArray &line)
{
    qsizetype end = 0;
    while (end < line.size() && isNameCharacter(line[end]))
        ++end;
    if (end == 0 || end == line.size() || (line[end] != ':' && line[end] != ';') || valueStart(line) < 0)
        return {};
    return line.left(end).toUpper();
}

bool isUtf8(const QByteArray &line)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder(line);
    return !decoder.hasError() && !line.contains('\0');
}

// Names libical does not know are passed over, as the standard asks of
// readers; so are empty values, which programs write for texts they leave blank.
bool valueReadable(const QByteArray &name, const QByteArray &line)
{
    if (icalproperty_string_to_kind(name.constData()) == ICAL_NO_PROPERTY
        || line.mid(valueStart(line)).trimmed().isEmpty())
        return true;
    icalproperty *property = icalproperty_new_from_string(line.constData());
    if (!property)
        return false;
    icalproperty_free(property);
    return true;
}

QString quoted(const QByteArray &line)
{
    const QString text = QString::fromUtf8(line);
    return text.size() > 60 ? text.left(60) + "…" : text;
}

QString lineAt(int number)
{
    return QString("Line %1").arg(number);
}

QString checkLine(const ContentLine &line, QList<Open> &open, bool &calendarSeen)
{
    const QString where = lineAt(line.number);
    if (!calendarSeen && line.text.trimmed().toUpper() != "BEGIN:VCALENDAR")
        return where + " is not the beginning of a calendar (BEGIN:VCALENDAR)";
    if (!isUtf8(line.text))
        return where + " is not UTF-8 text";
    const QByteArray name = nameOf(line.text);
    if (name.isEmpty())
        return where + " is not a calendar line: " + quoted(line.text);
    const QByteArray value = line.text.mid(valueStart(line.text)).trimmed().toUpper();
    if (open.isEmpty() && !(name == "BEGIN" && value == "VCALENDAR"))
        return where + " lies outside the calendar";
    if (name == "BEGIN") {
        open << Open{value, line.number};
        calendarSeen = true;
    } else if (name == "END") {
        if (open.last().component != value)
            return QString("%1 ends a %2, but the %3 begun at line %4 is still open")
                .arg(where, QString::fromUtf8(value), QString::fromUtf8(open.last().component))
                .arg(open.last().line);
        open.removeLast();
    } else if (!valueReadable(name, line.text)) {
        return where + " cannot be read: " + quoted(line.text);
    }
    return {};
}

} // namespace

QString checkCalendarLines(const QByteArray &text)
{
    int stray = 0;
    const QList<ContentLine> lines = unfolded(text, stray);
    if (stray)
        return lineAt(stray) + " continues a line that is not there";
    if (lines.isEmpty())
        return "The file is empty";
    QList<Open> open;
    bool calendarSeen = false;
    for (const ContentLine &line : lines) {
        const QString fault = checkLine(line, open, calendarSeen);
        if (!fault.isEmpty())
            return fault;
    }
    if (!open.isEmpty())
        return QString("The file stops at line %1 inside the %2 begun at line %3: it was cut off")
            .arg(lines.last().number)
            .arg(QString::fromUtf8(open.last().component))
            .arg(open.last().line);
    return {};
}
