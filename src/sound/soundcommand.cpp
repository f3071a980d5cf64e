#include "sound/soundcommand.h"

#include <QList>

namespace {

struct Token
{
    QString text;
    bool quoted = false;
};

// The quoted word starting at text[i], up to its closing quote; a doubled
// quote inside stands for one. Nothing when it is not closed.
std::optional<QString> quotedWord(const QString &text, qsizetype &i)
{
    QString word;
    for (++i; i < text.size(); ++i) {
        if (text.at(i) != u'"') {
            word += text.at(i);
        } else if (i + 1 < text.size() && text.at(i + 1) == u'"') {
            word += u'"';
            ++i;
        } else {
            ++i;
            return word;
        }
    }
    return std::nullopt;
}

// Blanks separate words; a double-quoted word may hold blanks and quotes.
std::optional<QList<Token>> tokenize(const QString &text)
{
    QList<Token> tokens;
    qsizetype i = 0;
    while (i < text.size()) {
        if (text.at(i).isSpace()) {
            ++i;
        } else if (text.at(i) == u'"') {
            const auto word = quotedWord(text, i);
            if (!word)
                return std::nullopt;
            tokens.append({*word, true});
        } else {
            const qsizetype start = i;
            while (i < text.size() && !text.at(i).isSpace() && text.at(i) != u'"')
                ++i;
            tokens.append({text.mid(start, i - start), false});
        }
    }
    return tokens;
}

// Walks the words of one command; every read checks that the word is there.
class Words
{
public:
    explicit Words(QList<Token> tokens) : m_tokens(std::move(tokens)) {}

    bool atEnd() const { return m_next >= m_tokens.size(); }

    // The next bare word, lower case, or nothing.
    std::optional<QString> keyword()
    {
        if (atEnd() || m_tokens.at(m_next).quoted)
            return std::nullopt;
        return m_tokens.at(m_next++).text.toLower();
    }

    bool take(QLatin1StringView word)
    {
        if (atEnd() || m_tokens.at(m_next).quoted
            || m_tokens.at(m_next).text.compare(word, Qt::CaseInsensitive) != 0)
            return false;
        ++m_next;
        return true;
    }

    std::optional<QString> name()
    {
        if (atEnd() || m_tokens.at(m_next).quoted)
            return std::nullopt;
        return m_tokens.at(m_next++).text;
    }

    std::optional<QString> path()
    {
        if (atEnd() || m_tokens.at(m_next).text.isEmpty())
            return std::nullopt;
        return m_tokens.at(m_next++).text;
    }

    // A decimal count of at most nine digits, so that milliseconds and
    // frame arithmetic cannot overflow.
    std::optional<qint64> number()
    {
        if (atEnd() || m_tokens.at(m_next).quoted)
            return std::nullopt;
        const QString &text = m_tokens.at(m_next).text;
        if (text.isEmpty() || text.size() > 9)
            return std::nullopt;
        for (const QChar c : text) {
            if (c < u'0' || c > u'9')
                return std::nullopt;
        }
        ++m_next;
        return text.toLongLong();
    }

private:
    QList<Token> m_tokens;
    qsizetype m_next = 0;
};

bool parseOpen(Words &words, SoundCommand &command)
{
    if (words.take(QLatin1StringView("new"))) {
        command.newRecording = true;
    } else if (const auto path = words.path()) {
        command.path = *path;
    } else {
        return false;
    }
    while (const auto word = words.keyword()) {
        if (*word == u"type") {
            if (!words.take(QLatin1StringView("waveaudio")))
                return false;
        } else if (*word == u"alias") {
            const auto alias = words.name();
            if (!alias)
                return false;
            command.alias = *alias;
        } else if (*word == u"buffer") {
            if (!words.number())
                return false;
        } else if (*word == u"wait") {
            command.wait = true;
        } else {
            return false;
        }
    }
    return words.atEnd() && !command.alias.isEmpty();
}

bool parseSetting(Words &words, const QString &word, SoundCommand &command)
{
    if (word == u"time") {
        return words.take(QLatin1StringView("format"))
               && (words.take(QLatin1StringView("ms"))
                   || words.take(QLatin1StringView("milliseconds")));
    }
    std::optional<int> *target = word == u"bitspersample"   ? &command.bitsPerSample
                                 : word == u"channels"      ? &command.channels
                                 : word == u"samplespersec" ? &command.samplesPerSecond
                                                            : nullptr;
    if (!target)
        return false;
    const auto value = words.number();
    if (!value)
        return false;
    *target = int(*value);
    return true;
}

bool parseOptions(Words &words, SoundCommand &command)
{
    while (const auto word = words.keyword()) {
        if (*word == u"wait") {
            command.wait = true;
        } else if (command.verb == SoundCommand::Verb::Play && (*word == u"from" || *word == u"to")) {
            const auto value = words.number();
            if (!value)
                return false;
            (*word == u"from" ? command.from : command.to) = *value;
        } else if (command.verb == SoundCommand::Verb::Set) {
            if (!parseSetting(words, *word, command))
                return false;
        } else {
            return false;
        }
    }
    return words.atEnd();
}

std::optional<SoundCommand::Item> parseItem(Words &words)
{
    const auto word = words.keyword();
    if (word == u"length")
        return SoundCommand::Item::Length;
    if (word == u"position")
        return SoundCommand::Item::Position;
    if (word == u"mode")
        return SoundCommand::Item::Mode;
    return std::nullopt;
}

std::optional<SoundCommand::Verb> parseVerb(const QString &word)
{
    using Verb = SoundCommand::Verb;
    static const QList<std::pair<QString, Verb>> verbs = {
        {QStringLiteral("open"), Verb::Open},     {QStringLiteral("set"), Verb::Set},
        {QStringLiteral("status"), Verb::Status}, {QStringLiteral("play"), Verb::Play},
        {QStringLiteral("record"), Verb::Record}, {QStringLiteral("stop"), Verb::Stop},
        {QStringLiteral("save"), Verb::Save},     {QStringLiteral("close"), Verb::Close},
    };
    for (const auto &[name, verb] : verbs) {
        if (name == word)
            return verb;
    }
    return std::nullopt;
}

} // namespace

QString SoundCommand::quoted(const QString &path)
{
    return u'"' + QString(path).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

std::optional<SoundCommand> SoundCommand::parse(const QString &text)
{
    auto tokens = tokenize(text);
    if (!tokens)
        return std::nullopt;
    Words words(std::move(*tokens));
    const auto verbWord = words.keyword();
    const auto verb = verbWord ? parseVerb(*verbWord) : std::nullopt;
    if (!verb)
        return std::nullopt;

    SoundCommand command;
    command.verb = *verb;
    if (command.verb == Verb::Open)
        return parseOpen(words, command) ? std::optional(command) : std::nullopt;

    const auto alias = words.name();
    if (!alias)
        return std::nullopt;
    command.alias = *alias;

    switch (command.verb) {
    case Verb::Status: {
        const auto item = parseItem(words);
        if (!item)
            return std::nullopt;
        command.item = *item;
        break;
    }
    case Verb::Save: {
        const auto path = words.path();
        if (!path)
            return std::nullopt;
        command.path = *path;
        break;
    }
    case Verb::Record:
        // Recording runs until stopped, so it never waits.
        return words.atEnd() ? std::optional(command) : std::nullopt;
    default:
        break;
    }
    return parseOptions(words, command) ? std::optional(command) : std::nullopt;
}
