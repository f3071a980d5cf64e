#include "numberedtable.h"

#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

// Readable failures: QTest finds these through the argument's namespace.
char *toString(const VoiceSegment &segment)
{
    return qstrdup(QString("%1-%2").arg(segment.from).arg(segment.to).toUtf8());
}

namespace {

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

const VoiceTable kFirst = numberedTable("Bangla", 1000);
const VoiceTable kSecond = numberedTable("English", 2000);
const QStringList kValid = sectionLines("Bangla", kFirst) + sectionLines("English", kSecond);

// The valid file with one line replaced.
QByteArray replaced(int index, const QString &line)
{
    QStringList lines = kValid;
    lines[index] = line;
    return lines.join('\n').toUtf8();
}

QByteArray without(int index)
{
    QStringList lines = kValid;
    lines.removeAt(index);
    return lines.join('\n').toUtf8();
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
        auto starter = [](VoiceSegment segment) { VoiceTable t = kFirst; t.starter = segment; return t; };
        auto named = [](const QString &name) { VoiceTable t = kFirst; t.name = name; return t; };

        QTest::newRow("usual form") << (kValid.join('\n') + '\n').toUtf8() << kFirst;
        QTest::newRow("Windows line ends") << kValid.join("\r\n").toUtf8() << kFirst;
        QTest::newRow("no newline at the end") << kValid.join('\n').toUtf8() << kFirst;
        QTest::newRow("UTF-8 byte-order mark") << "\xEF\xBB\xBF" + kValid.join('\n').toUtf8() << kFirst;
        QStringList commented;
        for (const QString &line : kValid)
            commented << "# comment" << "" << "   \t" << "\t" + line;
        QTest::newRow("comments, blanks and tabs between lines") << commented.join('\n').toUtf8() << kFirst;
        QTest::newRow("header word does not choose the table")
            << (sectionLines("English", kFirst) + sectionLines("Bangla", kSecond)).join('\n').toUtf8() << kFirst;
        QStringList bare = kValid;
        for (QString &line : bare)
            line.replace(" = ", " ").replace(", ", " ");
        QTest::newRow("numbers without = and comma") << bare.join('\n').toUtf8() << kFirst;
        QTest::newRow("text after the second section is not read")
            << (kValid + QStringList{"Extra {", "anything at all"}).join('\n').toUtf8() << kFirst;
        QTest::newRow("bracketed index is not read") << replaced(3, "hour[7] = 1010, 1011") << kFirst;
        QTest::newRow("words after the numbers are ignored")
            << replaced(2, "starter = 100, 200 # opening phrase") << starter({100, 200});
        QTest::newRow("# only separates words inside a line")
            << replaced(2, "starter = 100 # note 200") << starter({100, 0});
        QTest::newRow("signs and trailing letters in numbers") << replaced(2, "starter=-5;7x") << starter({-5, 7});
        QTest::newRow("display name is one word") << replaced(1, "language = Standard English") << named("Standard");
        QTest::newRow("long display name is cut to 47")
            << replaced(1, "language = " + QString(60, u'x')) << named(QString(47, u'x'));
        QTest::newRow("display name in Bangla script") << replaced(1, "language = বাংলা") << named("বাংলা");
        QTest::newRow("keys are compared by their first characters")
            << replaced(1, "languages = Angrezi") << named("Angrezi");
        QTest::newRow("closing line compared by its first character")
            << replaced(kValid.indexOf("}"), "}; end of the first section") << kFirst;
    }

    void readsDefinitionFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(VoiceTable, first);

        VoiceTables tables;
        QVERIFY(load(tables, content));
        QCOMPARE(tables.language(0), first);
        QCOMPARE(tables.language(1), kSecond);
        for (const int english : {0, 7}) { // any non-zero flag is English
            VoiceTable spoken = english ? kSecond : first;
            spoken.name.clear(); // the announcer's copy holds the segments only
            tables.selectVoiceLanguage(english);
            QCOMPARE(tables.current(), spoken);
        }
    }

    void rejectsDefinitionFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("unknown header") << replaced(0, "Hindi {");
        QTest::newRow("header without brace") << replaced(0, "Bangla");
        QTest::newRow("header in lower case") << replaced(0, "bangla {");
        QTest::newRow("language line without a name") << replaced(1, "language =");
        QTest::newRow("starter without its end") << replaced(2, "starter = 100");
        QTest::newRow("minute line in place of an hour") << replaced(14, "min[0] = 1, 2");
        QTest::newRow("two minute lines") << without(15);
        QTest::newRow("missing closing line") << without(26);
        QTest::newRow("file ends inside the second section") << kValid.mid(0, 37).join('\n').toUtf8();
        QTest::newRow("only one section") << kValid.mid(0, 27).join('\n').toUtf8();
    }

    void rejectsDefinitionFile()
    {
        QFETCH(QByteArray, content);
        VoiceTables tables;
        QVERIFY(!load(tables, content));
        // The caller then puts the defaults back into both languages.
        tables.setDefaultVoiceTables();
        QCOMPARE(tables.language(0), VoiceTables().language(0));
        QCOMPARE(tables.language(1), VoiceTables().language(1));
    }

    void unreadableFileIsRejected()
    {
        VoiceTables tables;
        QVERIFY(!tables.loadVoiceDefinition(m_dir.filePath("no such file.def")));
        QVERIFY(!tables.loadVoiceDefinition(m_dir.path())); // a directory cannot be read as one
        const QString fifo = m_dir.filePath("fifo.def"); // would wait for a writer
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(!tables.loadVoiceDefinition(fifo));
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
