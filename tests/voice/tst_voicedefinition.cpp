#include "voice/voicetables.h"

#include <QTemporaryDir>
#include <QTest>

// Readable failures: QTest finds these through the argument's namespace.
char *toString(const VoiceSegment &segment)
{
    return qstrdup(QString("%1-%2").arg(segment.from).arg(segment.to).toUtf8());
}

namespace {

// A table whose segments are numbered from base: starter base..base+1,
// hour i base+10+2i.., min base+40.., zone base+50.., ampm base+70...
VoiceTable numbered(const QString &name, int base)
{
    VoiceTable table;
    table.name = name;
    table.starter = {base, base + 1};
    auto number = [](auto &segments, int first, int start) {
        for (int i = first; i < int(segments.size()); ++i)
            segments[i] = {start + 2 * i, start + 1 + 2 * i};
    };
    number(table.hour, 0, base + 10);
    number(table.min, 1, base + 40);
    number(table.zone, 0, base + 50);
    number(table.ampm, 0, base + 70);
    return table;
}

// The usual written form of a section for a table.
QStringList sectionLines(const QString &header, const VoiceTable &table)
{
    QStringList lines{header + " {", "language = " + table.name,
                      QString("starter = %1, %2").arg(table.starter.from).arg(table.starter.to)};
    auto write = [&lines](const char *key, const auto &segments, int first) {
        for (int i = first; i < int(segments.size()); ++i)
            lines << QString("%1[%2] = %3, %4").arg(key).arg(i).arg(segments[i].from).arg(segments[i].to);
    };
    write("hour", table.hour, 0);
    write("min", table.min, 1);
    write("zone", table.zone, 0);
    write("ampm", table.ampm, 0);
    return lines << "}";
}

const VoiceTable kFirst = numbered("Bangla", 1000);
const VoiceTable kSecond = numbered("English", 2000);

QStringList validFile()
{
    return sectionLines("Bangla", kFirst) + sectionLines("English", kSecond);
}

} // namespace

class TestVoiceDefinition : public QObject
{
    Q_OBJECT

private slots:
    void readsDefinitionFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<VoiceTable>("first");
        QTest::addColumn<VoiceTable>("second");

        const QStringList valid = validFile();
        // The valid file with line index replaced, and the first table it should give.
        auto row = [&](const char *name, int index, const QString &line, VoiceTable first = kFirst) {
            QStringList lines = valid;
            lines[index] = line;
            QTest::newRow(name) << lines.join('\n').toUtf8() << first << kSecond;
        };
        auto starter = [](VoiceSegment segment) { VoiceTable t = kFirst; t.starter = segment; return t; };
        auto named = [](const QString &name) { VoiceTable t = kFirst; t.name = name; return t; };

        QTest::newRow("usual form") << (valid.join('\n') + '\n').toUtf8() << kFirst << kSecond;
        QTest::newRow("Windows line ends") << valid.join("\r\n").toUtf8() << kFirst << kSecond;
        QTest::newRow("no newline at the end") << valid.join('\n').toUtf8() << kFirst << kSecond;
        QStringList commented;
        for (const QString &line : valid)
            commented << "# comment" << "" << "   \t" << "\t" + line;
        QTest::newRow("comments, blanks and tabs between lines")
            << commented.join('\n').toUtf8() << kFirst << kSecond;
        QTest::newRow("header word does not choose the table")
            << (sectionLines("English", kFirst) + sectionLines("Bangla", kSecond)).join('\n').toUtf8()
            << kFirst << kSecond;
        QStringList bare = valid;
        for (QString &line : bare)
            line.replace(" = ", " ").replace(", ", " ");
        QTest::newRow("numbers without = and comma") << bare.join('\n').toUtf8() << kFirst << kSecond;
        QTest::newRow("text after the second section is not read")
            << (valid + QStringList{"Extra {", "anything at all"}).join('\n').toUtf8() << kFirst << kSecond;

        row("bracketed index is not read", 3, "hour[7] = 1010, 1011");
        row("words after the numbers are ignored", 2, "starter = 100, 200 # opening phrase", starter({100, 200}));
        row("# only separates words inside a line", 2, "starter = 100 # note 200", starter({100, 0}));
        row("signs and trailing letters in numbers", 2, "starter=-5;7x", starter({-5, 7}));
        row("display name is one word", 1, "language = Standard English", named("Standard"));
        row("long display name is cut to 47", 1, "language = " + QString(60, u'x'), named(QString(47, u'x')));
        row("display name in Bangla script", 1, "language = বাংলা", named("বাংলা"));
        row("keys are compared by their first characters", 1, "languages = Angrezi", named("Angrezi"));
        row("closing line compared by its first character", valid.indexOf("}"), "}; end of the first section");
    }

    void readsDefinitionFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(VoiceTable, first);
        QFETCH(VoiceTable, second);

        VoiceTables tables;
        QVERIFY(load(tables, content));
        QCOMPARE(tables.language(0), first);
        QCOMPARE(tables.language(1), second);
        for (const int english : {0, 7}) { // any non-zero flag is English
            VoiceTable spoken = english ? second : first;
            spoken.name.clear(); // the announcer's copy holds the segments only
            tables.selectVoiceLanguage(english);
            QCOMPARE(tables.current(), spoken);
        }
    }

    void rejectsDefinitionFile_data()
    {
        QTest::addColumn<QByteArray>("content");

        const QStringList valid = validFile();
        auto without = [&](int index) {
            QStringList lines = valid;
            lines.removeAt(index);
            return lines.join('\n').toUtf8();
        };
        auto replaced = [&](int index, const QString &line) {
            QStringList lines = valid;
            lines[index] = line;
            return lines.join('\n').toUtf8();
        };

        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("only comments") << QByteArray("# nothing here\n\n# at all\n");
        QTest::newRow("unknown header") << replaced(0, "Hindi {");
        QTest::newRow("header without brace") << replaced(0, "Bangla");
        QTest::newRow("header in lower case") << replaced(0, "bangla {");
        QTest::newRow("eleven hour lines") << without(3);
        QTest::newRow("language line without a name") << replaced(1, "language =");
        QTest::newRow("starter without its end") << replaced(2, "starter = 100");
        QTest::newRow("minute line in place of an hour") << replaced(14, "min[0] = 1, 2");
        QTest::newRow("two minute lines") << without(15);
        QTest::newRow("missing closing line") << without(26);
        QTest::newRow("file ends inside the second section")
            << (sectionLines("Bangla", kFirst) + sectionLines("English", kSecond).mid(0, 10)).join('\n').toUtf8();
        QTest::newRow("only one section") << sectionLines("Bangla", kFirst).join('\n').toUtf8();
        QTest::newRow("broken second section") << replaced(27 + 5, "zone[0] = 1, 2");
    }

    void rejectsDefinitionFile()
    {
        QFETCH(QByteArray, content);
        VoiceTables tables;
        QVERIFY(!load(tables, content));
        QVERIFY(!tables.loadVoiceDefinition(m_dir.filePath("no such file.def")));
        QVERIFY(!tables.loadVoiceDefinition(m_dir.path())); // a directory cannot be read as one
        // The caller then puts the defaults back into both languages.
        tables.setDefaultVoiceTables();
        QCOMPARE(tables.language(0), VoiceTables().language(0));
        QCOMPARE(tables.language(1), VoiceTables().language(1));
    }

    void defaultsMatchTheShippedRecording()
    {
        VoiceTables tables;
        tables.setDefaultVoiceTables();
        const VoiceTable &bangla = tables.language(0);
        const VoiceTable &english = tables.language(1);

        QCOMPARE(bangla.name, QString("Bangla"));
        QCOMPARE(english.name, QString("English"));
        // The full hour adds nothing; Bangla says no AM/PM, English no period of the day.
        QCOMPARE(bangla.min[0], VoiceSegment{});
        QCOMPARE(english.min[0], VoiceSegment{});
        for (const VoiceSegment &ampm : bangla.ampm)
            QCOMPARE(ampm, VoiceSegment{});
        for (const VoiceSegment &zone : english.zone)
            QCOMPARE(zone, VoiceSegment{});
        // Every segment of the shipped recording runs forwards.
        for (const VoiceTable *table : {&bangla, &english}) {
            for (const VoiceSegment &hour : table->hour)
                QVERIFY(hour.from < hour.to);
        }
    }

private:
    bool load(VoiceTables &tables, const QByteArray &content)
    {
        QFile file(m_dir.filePath("Tolvex.def"));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write %s", qPrintable(file.fileName()));
        file.write(content);
        file.close();
        return tables.loadVoiceDefinition(file.fileName());
    }

    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestVoiceDefinition)
#include "tst_voicedefinition.moc"
