// The recordings shipped in data/: the voice recording must hold every word
// inside the place the built-in voice tables give it, and nothing elsewhere.
#include "voice/voicetables.h"

#include <QTest>

#include <sndfile.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

const QString kDataDir = QStringLiteral(CHIMEWISE_DATA_DIR);
constexpr int kSilence = 64;     // peak below this (about -54 dBFS) counts as silence
constexpr int kSound = 1000;     // a spoken word peaks far above this (about -30 dBFS)
constexpr int kClipping = 32700; // a peak this close to full scale is clipped
constexpr int kEdgeMs = 5;       // a segment's first and last milliseconds, where no word may be cut

// A whole 16-bit mono wave file in memory.
struct Recording
{
    int rate = 0;
    int format = 0;
    std::vector<short> samples;

    qint64 sampleAt(qint64 ms) const { return ms * rate / 1000; }
    qint64 lengthMs() const { return qint64(samples.size()) * 1000 / rate; }

    // Largest magnitude in [fromMs, toMs).
    int peak(qint64 fromMs, qint64 toMs) const
    {
        const auto first = samples.begin() + std::clamp<qint64>(sampleAt(fromMs), 0, samples.size());
        const auto last = samples.begin() + std::clamp<qint64>(sampleAt(toMs), 0, samples.size());
        int result = 0;
        for (auto it = first; it < last; ++it)
            result = std::max(result, std::abs(int(*it)));
        return result;
    }
};

// Empty samples when the file cannot be read as mono.
Recording Read(const QString &name)
{
    Recording recording;
    SF_INFO info{};
    SNDFILE *file = sf_open(QFile::encodeName(kDataDir + '/' + name).constData(), SFM_READ, &info);
    if (!file)
        return recording;
    if (info.channels == 1) {
        recording.rate = info.samplerate;
        recording.format = info.format;
        recording.samples.resize(info.frames);
        recording.samples.resize(sf_readf_short(file, recording.samples.data(), info.frames));
    }
    sf_close(file);
    return recording;
}

// Every segment that plays something, with a readable name.
std::vector<std::pair<QByteArray, VoiceSegment>> SpokenSegments()
{
    std::vector<std::pair<QByteArray, VoiceSegment>> result;
    const VoiceTables tables;
    for (int language = 0; language < 2; ++language) {
        const VoiceTable &table = tables.language(language);
        auto add = [&](const char *what, int index, const VoiceSegment &segment) {
            if (segment != VoiceSegment{})
                result.emplace_back(QString("%1 %2 %3").arg(table.name, what).arg(index).toUtf8(), segment);
        };
        add("starter", 0, table.starter);
        for (int i = 0; i < 12; ++i)
            add("hour", i, table.hour[i]);
        for (int i = 0; i < 4; ++i)
            add("min", i, table.min[i]);
        for (int i = 0; i < 6; ++i)
            add("zone", i, table.zone[i]);
        for (int i = 0; i < 2; ++i)
            add("ampm", i, table.ampm[i]);
    }
    return result;
}

bool IsSixteenBitWave(int format)
{
    return (format & SF_FORMAT_TYPEMASK) == SF_FORMAT_WAV && (format & SF_FORMAT_SUBMASK) == SF_FORMAT_PCM_16;
}

} // namespace

class TestRecording : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void segmentHoldsAWholeWord_data();
    void segmentHoldsAWholeWord();
    void silentOutsideTheSegments();
    void definitionFileDescribesTheRecording();
    void prayerCallIsAudible_data();
    void prayerCallIsAudible();

private:
    Recording m_voice;
};

void TestRecording::initTestCase()
{
    m_voice = Read("tolvex.wav");
    QVERIFY2(!m_voice.samples.empty(), "data/tolvex.wav is missing or not mono; run tools/make-voice");
    QVERIFY(IsSixteenBitWave(m_voice.format));
}

void TestRecording::segmentHoldsAWholeWord_data()
{
    QTest::addColumn<VoiceSegment>("segment");
    for (const auto &[name, segment] : SpokenSegments())
        QTest::newRow(name.constData()) << segment;
}

void TestRecording::segmentHoldsAWholeWord()
{
    QFETCH(VoiceSegment, segment);
    QVERIFY(segment.to <= m_voice.lengthMs());
    QCOMPARE_GT(m_voice.peak(segment.from, segment.to), kSound);
    // Silence at both ends: the word is not cut off where the segment starts or stops.
    QCOMPARE_LT(m_voice.peak(segment.from, segment.from + kEdgeMs), kSilence);
    QCOMPARE_LT(m_voice.peak(segment.to - kEdgeMs, segment.to), kSilence);
}

void TestRecording::silentOutsideTheSegments()
{
    std::vector<bool> spoken(m_voice.samples.size(), false);
    for (const auto &[name, segment] : SpokenSegments()) {
        const qint64 last = std::min<qint64>(m_voice.sampleAt(segment.to), spoken.size());
        for (qint64 i = m_voice.sampleAt(segment.from); i < last; ++i)
            spoken[i] = true;
    }
    for (std::size_t i = 0; i < spoken.size(); ++i) {
        if (!spoken[i] && std::abs(int(m_voice.samples[i])) >= kSilence)
            QFAIL(qPrintable(QString("sound outside every segment at %1 ms").arg(i * 1000 / m_voice.rate)));
    }
}

void TestRecording::definitionFileDescribesTheRecording()
{
    VoiceTables loaded;
    QVERIFY(loaded.LoadVoiceDefinition(kDataDir + "/Tolvex.def"));
    const VoiceTables defaults;
    QCOMPARE(loaded.language(0), defaults.language(0));
    QCOMPARE(loaded.language(1), defaults.language(1));
}

void TestRecording::prayerCallIsAudible_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("Aazan.WAV") << "Aazan.WAV";
    QTest::newRow("FAazan.WAV") << "FAazan.WAV";
}

void TestRecording::prayerCallIsAudible()
{
    QFETCH(QString, name);
    const Recording call = Read(name);
    QVERIFY(!call.samples.empty());
    QVERIFY(IsSixteenBitWave(call.format));
    const int peak = call.peak(0, call.lengthMs());
    QCOMPARE_GT(peak, kSound);
    QCOMPARE_LT(peak, kClipping);
}

QTEST_GUILESS_MAIN(TestRecording)
#include "tst_recording.moc"
