#include "voice/voicetables.h"

#include <QTemporaryDir>
#include <QTest>

// Readable failures: QTest finds these through the argument's namespace.
char *toString(const VoiceSegment &segment)
{
    return qstrdup(QString("%1-%2").arg(segment.from).arg(segment.to).toUtf8());
}

char *toString(const VoiceTable &table)
{
    QStringList parts{table.name, "starter " + QString::fromUtf8(QScopedArrayPointer<char>(toString(table.starter)).data())};
    auto add = [&parts](const char *label, const auto &segments) {
        for (const VoiceSegment &segment : segments)
            parts << QString("%1 %2-%3").arg(label).arg(segment.from).arg(segment.to);
    };
    add("hour", table.hour);
    add("min", table.min);
    add("zone", table.zone);
    add("ampm", table.ampm);
    return qstrdup(parts.join(", ").toUtf8());
}

namespace {

// A table whose segments are numbered from base: starter base..base+1,
// hour i base+10+2i.., min base+40.., zone base+50.., ampm base+70...
VoiceTable Numbered(const QString &name, int base)
{
    VoiceTable table;
    table.name = name;
    table.starter = {base, base + 1};
    for (int i = 0; i < 12; ++i)
        table.hour[i] = {base + 10 + 2 * i, base + 11 + 2 * i};
    for (int i = 1; i < 4; ++i)
        table.min[i] = {base + 40 + 2 * i, base + 41 + 2 * i};
    for (int i = 0; i < 6; ++i)
        table.zone[i] = {base + 50 + 2 * i, base + 51 + 2 * i};
    for (int i = 0; i < 2; ++i)
        table.ampm[i] = {base + 70 + 2 * i, base + 71 + 2 * i};
    return table;
}

// The usual written form of a section for a table.
QStringList SectionLines(const QString &header, const VoiceTable &table)
{
    QStringList lines{header + " {", "language = " + table.name,
                      QString("starter = %1, %2").arg(table.starter.from).arg(table.starter.to)};
    for (int i = 0; i < 12; ++i)
        lines << QString("hour[%1] = %2, %3").arg(i).arg(table.hour[i].from).arg(table.hour[i].to);
    for (int i = 1; i < 4; ++i)
        lines << QString("min[%1] = %2, %3").arg(i).arg(table.min[i].from).arg(table.min[i].to);
    for (int i = 0; i < 6; ++i)
        lines << QString("zone[%1] = %2, %3").arg(i).arg(table.zone[i].from).arg(table.zone[i].to);
    for (int i = 0; i < 2; ++i)
        lines << QString("ampm[%1] = %2, %3").arg(i).arg(table.ampm[i].from).arg(table.ampm[i].to);
    lines << "}";
    return lines;
}

const VoiceTable kFirst = Numbered("Bangla", 1000);
const VoiceTable kSecond = Numbered("English", 2000);

QStringList ValidFile()
{
    return SectionLines("Bangla", kFirst) + SectionLines("English", kSecond);
}

VoiceTable WithStarter(VoiceTable table, VoiceSegment starter)
{
    table.starter = starter;
    return table;
}

VoiceTable WithName(VoiceTable table, const QString &name)
{
    table.name = name;
    return table;
}

} // namespace

class TestVoiceDefinition : public QObject
{
    Q_OBJECT

private slots:
    void readsDefinitionFile_data();
    void readsDefinitionFile();
    void rejectsDefinitionFile_data();
    void rejectsDefinitionFile();
    void missingFileIsRejected();
    void defaultsMatchTheShippedRecording();
    void selectingALanguageCopiesItsSegments();

private:
    bool load(VoiceTables &tables, const QByteArray &content);
    QTemporaryDir m_dir;
};

bool TestVoiceDefinition::load(VoiceTables &tables, const QByteArray &content)
{
    const QString path = m_dir.filePath("Tolvex.def");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(content);
    file.close();
    return tables.LoadVoiceDefinition(path);
}

void TestVoiceDefinition::readsDefinitionFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<VoiceTable>("first");
    QTest::addColumn<VoiceTable>("second");

    const QStringList valid = ValidFile();
    QTest::newRow("usual form") << valid.join('\n').toUtf8() << kFirst << kSecond;
    QTest::newRow("Windows line ends") << valid.join("\r\n").toUtf8() << kFirst << kSecond;
    QTest::newRow("no newline at the end") << valid.join('\n').toUtf8() << kFirst << kSecond;

    QStringList commented;
    for (const QString &line : valid)
        commented << "# comment" << "" << "   \t" << "\t" + line;
    QTest::newRow("comments, blanks and tabs between lines")
        << commented.join('\n').toUtf8() << kFirst << kSecond;

    QStringList swapped = SectionLines("English", kFirst) + SectionLines("Bangla", kSecond);
    QTest::newRow("header word does not choose the table")
        << swapped.join('\n').toUtf8() << kFirst << kSecond;

    QStringList bare = valid;
    for (QString &line : bare)
        line.replace(" = ", " ").replace(", ", " ");
    QTest::newRow("numbers without = and comma") << bare.join('\n').toUtf8() << kFirst << kSecond;

    QStringList indexIgnored = valid;
    indexIgnored[3] = "hour[7] = 1010, 1011";
    QTest::newRow("bracketed index is not read") << indexIgnored.join('\n').toUtf8() << kFirst << kSecond;

    QStringList trailing = valid;
    trailing[2] = "starter = 100, 200 # opening phrase";
    QTest::newRow("words after the numbers are ignored")
        << trailing.join('\n').toUtf8() << WithStarter(kFirst, {100, 200}) << kSecond;

    QStringList hashSplits = valid;
    hashSplits[2] = "starter = 100 # note 200";
    QTest::newRow("# only separates words inside a line")
        << hashSplits.join('\n').toUtf8() << WithStarter(kFirst, {100, 0}) << kSecond;

    QStringList signs = valid;
    signs[2] = "starter=-5;7x";
    QTest::newRow("signs and trailing letters in numbers")
        << signs.join('\n').toUtf8() << WithStarter(kFirst, {-5, 7}) << kSecond;

    QStringList twoWords = valid;
    twoWords[1] = "language = Standard English";
    QTest::newRow("display name is one word")
        << twoWords.join('\n').toUtf8() << WithName(kFirst, "Standard") << kSecond;

    QStringList longName = valid;
    longName[1] = "language = " + QString(60, u'x');
    QTest::newRow("long display name is cut to 47")
        << longName.join('\n').toUtf8() << WithName(kFirst, QString(47, u'x')) << kSecond;

    QStringList bangla = valid;
    bangla[1] = "language = বাংলা";
    QTest::newRow("display name in Bangla script")
        << bangla.join('\n').toUtf8() << WithName(kFirst, "বাংলা") << kSecond;

    QStringList after = valid;
    after << "Extra {" << "anything at all";
    QTest::newRow("text after the second section is not read")
        << after.join('\n').toUtf8() << kFirst << kSecond;

    QStringList prefixes = valid;
    prefixes[1] = "languages = Angrezi";
    prefixes[prefixes.indexOf("}")] = "}; end of the first section";
    QTest::newRow("keys are compared by their first characters")
        << prefixes.join('\n').toUtf8() << WithName(kFirst, "Angrezi") << kSecond;
}

void TestVoiceDefinition::readsDefinitionFile()
{
    QFETCH(QByteArray, content);
    QFETCH(VoiceTable, first);
    QFETCH(VoiceTable, second);

    VoiceTables tables;
    QVERIFY(load(tables, content));
    QCOMPARE(tables.language(0), first);
    QCOMPARE(tables.language(1), second);
}

void TestVoiceDefinition::rejectsDefinitionFile_data()
{
    QTest::addColumn<QByteArray>("content");

    const QStringList valid = ValidFile();
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
        << (SectionLines("Bangla", kFirst) + SectionLines("English", kSecond).mid(0, 10)).join('\n').toUtf8();
    QTest::newRow("only one section") << SectionLines("Bangla", kFirst).join('\n').toUtf8();
    QTest::newRow("broken second section") << replaced(27 + 5, "zone[0] = 1, 2");
}

void TestVoiceDefinition::rejectsDefinitionFile()
{
    QFETCH(QByteArray, content);
    VoiceTables tables;
    QVERIFY(!load(tables, content));
    // The caller then puts the defaults into both languages.
    tables.SetDefaultVoiceTables();
    QCOMPARE(tables.language(0).name, QString("Bangla"));
    QCOMPARE(tables.language(1).name, QString("English"));
    QCOMPARE(tables.language(0).hour[0], (VoiceSegment{422, 1622}));
}

void TestVoiceDefinition::missingFileIsRejected()
{
    VoiceTables tables;
    QVERIFY(!tables.LoadVoiceDefinition(m_dir.filePath("no such file.def")));
    QVERIFY(!tables.LoadVoiceDefinition(m_dir.path())); // a directory cannot be read as one
}

void TestVoiceDefinition::defaultsMatchTheShippedRecording()
{
    VoiceTables tables;
    tables.SetDefaultVoiceTables();
    const VoiceTable &bangla = tables.language(0);
    const VoiceTable &english = tables.language(1);

    QCOMPARE(bangla.name, QString("Bangla"));
    QCOMPARE(english.name, QString("English"));
    QCOMPARE(bangla.starter, (VoiceSegment{34000, 35278}));
    QCOMPARE(english.starter, (VoiceSegment{44414, 45324}));
    QCOMPARE(bangla.hour[11], (VoiceSegment{26808, 27658}));
    QCOMPARE(english.hour[9], (VoiceSegment{39530, 40070}));
    QCOMPARE(english.min[1], (VoiceSegment{41572, 42187}));
    QCOMPARE(english.ampm[0], (VoiceSegment{43356, 43953}));
    QCOMPARE(bangla.zone[5], (VoiceSegment{23848, 24695}));
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

void TestVoiceDefinition::selectingALanguageCopiesItsSegments()
{
    VoiceTables tables;
    QVERIFY(load(tables, ValidFile().join('\n').toUtf8()));

    tables.SelectVoiceLanguage(1);
    QCOMPARE(tables.current().hour, kSecond.hour);
    QCOMPARE(tables.current().starter, kSecond.starter);
    QCOMPARE(tables.current().ampm, kSecond.ampm);
    QVERIFY(tables.current().name.isEmpty());

    tables.SelectVoiceLanguage(0);
    QCOMPARE(tables.current().zone, kFirst.zone);
    QCOMPARE(tables.current().min, kFirst.min);

    tables.SelectVoiceLanguage(7); // any non-zero flag is English
    QCOMPARE(tables.current().starter, kSecond.starter);
}

QTEST_GUILESS_MAIN(TestVoiceDefinition)
#include "tst_voicedefinition.moc"
