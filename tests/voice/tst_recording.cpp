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

// Empty samples when the file cannot be read as a 16-bit mono wave file.
Recording read(const QString &name)
{
    Recording recording;
    SF_INFO info{};
    SNDFILE *file = sf_open(QFile::encodeName(kDataDir + '/' + name).constData(), SFM_READ, &info);
    if (!file)
        return recording;
    if (info.channels == 1
        && (info.format & (SF_FORMAT_TYPEMASK | SF_FORMAT_SUBMASK)) == (SF_FORMAT_WAV | SF_FORMAT_PCM_16)) {
        recording.rate = info.samplerate;
        recording.samples.resize(info.frames);
        recording.samples.resize(sf_readf_short(file, recording.samples.data(), info.frames));
    }
    sf_close(file);
    return recording;
}

// Every segment that plays something, with a readable name.
std::vector<std::pair<QByteArray, VoiceSegment>> spokenSegments()
{
    std::vector<std::pair<QByteArray, VoiceSegment>> result;
    const VoiceTables tables;
    for (int language = 0; language < 2; ++language) {
        const VoiceTable &table = tables.language(language);
        auto add = [&](const char *what, int index, const VoiceSegment &segment) {
            if (segment != VoiceSegment{})
                result.emplace_back(QString("%1 %2 %3").arg(table.name, what).arg(index).toUtf8(), segment);
        };
        auto addAll = [&](const char *what, const auto &segments) {
            for (int i = 0; i < int(std::size(segments)); ++i)
                add(what, i, segments[i]);
        };
        add("starter", 0, table.starter);
        addAll("hour", table.hour);
        addAll("min", table.min);
        addAll("zone", table.zone);
        addAll("ampm", table.ampm);
    }
    return result;
}

} // namespace

class TestRecording : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_voice = read("tolvex.wav");
        QVERIFY2(!m_voice.samples.empty(), "data/tolvex.wav is missing or not 16-bit mono; run tools/make-voice");
    }

    void segmentHoldsAWholeWord_data()
    {
        QTest::addColumn<VoiceSegment>("segment");
        for (const auto &[name, segment] : spokenSegments())
            QTest::newRow(name.constData()) << segment;
    }

    void segmentHoldsAWholeWord()
    {
        QFETCH(VoiceSegment, segment);
        QVERIFY(segment.to <= m_voice.lengthMs());
        QCOMPARE_GT(m_voice.peak(segment.from, segment.to), kSound);
        // Silence at both ends: the word is not cut off where the segment starts or stops.
        QCOMPARE_LT(m_voice.peak(segment.from, segment.from + kEdgeMs), kSilence);
        QCOMPARE_LT(m_voice.peak(segment.to - kEdgeMs, segment.to), kSilence);
    }

    void silentOutsideTheSegments()
    {
        std::vector<bool> spoken(m_voice.samples.size(), false);
        for (const auto &[name, segment] : spokenSegments()) {
            const qint64 last = std::min<qint64>(m_voice.sampleAt(segment.to), spoken.size());
            for (qint64 i = m_voice.sampleAt(segment.from); i < last; ++i)
                spoken[i] = true;
        }
        for (std::size_t i = 0; i < spoken.size(); ++i) {
            if (!spoken[i] && std::abs(int(m_voice.samples[i])) >= kSilence)
                QFAIL(qPrintable(QString("sound outside every segment at %1 ms").arg(i * 1000 / m_voice.rate)));
        }
    }

    void definitionFileDescribesTheRecording()
    {
        VoiceTables loaded;
        QVERIFY(loaded.loadVoiceDefinition(kDataDir + "/Tolvex.def"));
        const VoiceTables defaults;
        QCOMPARE(loaded.language(0), defaults.language(0));
        QCOMPARE(loaded.language(1), defaults.language(1));
    }

    void prayerCallIsAudible()
    {
        for (const char *name : {"Aazan.WAV", "FAazan.WAV"}) {
            const Recording call = read(name);
            QVERIFY2(!call.samples.empty(), name);
            const int peak = call.peak(0, call.lengthMs());
            QCOMPARE_GT(peak, kSound);
            QCOMPARE_LT(peak, kClipping);
        }
    }

private:
    Recording m_voice;
};

QTEST_GUILESS_MAIN(TestRecording)
#include "tst_recording.moc"
