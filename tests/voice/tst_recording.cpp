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

// A whole 16-bit mono wave file of data/ in memory; no samples when the file is not one.
struct Recording
{
    explicit Recording(const QString &name)
    {
        SF_INFO info{};
        SNDFILE *file = sf_open(QFile::encodeName(kDataDir + '/' + name).constData(), SFM_READ, &info);
        if (!file)
            return;
        if (info.channels == 1
            && (info.format & (SF_FORMAT_TYPEMASK | SF_FORMAT_SUBMASK)) == (SF_FORMAT_WAV | SF_FORMAT_PCM_16)) {
            rate = info.samplerate;
            samples.resize(info.frames);
            samples.resize(sf_readf_short(file, samples.data(), info.frames));
        }
        sf_close(file);
    }

    qint64 sampleAt(qint64 ms) const { return std::clamp<qint64>(ms * rate / 1000, 0, samples.size()); }
    qint64 lengthMs() const { return qint64(samples.size()) * 1000 / rate; }

    // Largest magnitude in [fromMs, toMs).
    int peak(qint64 fromMs, qint64 toMs) const
    {
        int result = 0;
        for (qint64 i = sampleAt(fromMs); i < sampleAt(toMs); ++i)
            result = std::max(result, std::abs(int(samples[i])));
        return result;
    }

    int rate = 0;
    std::vector<short> samples;
};

// Every segment of both built-in voices that plays something, named as in "English hour 9".
QList<std::pair<QByteArray, VoiceSegment>> spokenSegments()
{
    QList<std::pair<QByteArray, VoiceSegment>> result;
    const VoiceTables tables;
    for (const int language : {0, 1}) {
        const VoiceTable &table = tables.language(language);
        auto add = [&](const char *what, const auto &segments) {
            for (int i = 0; i < int(segments.size()); ++i) {
                if (segments[i] != VoiceSegment{})
                    result.append({QString("%1 %2 %3").arg(table.name, what).arg(i).toUtf8(), segments[i]});
            }
        };
        add("starter", std::array{table.starter});
        add("hour", table.hour);
        add("min", table.min);
        add("zone", table.zone);
        add("ampm", table.ampm);
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
            for (qint64 i = m_voice.sampleAt(segment.from); i < m_voice.sampleAt(segment.to); ++i)
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
            const Recording call(name);
            QVERIFY2(!call.samples.empty(), name);
            const int peak = call.peak(0, call.lengthMs());
            QCOMPARE_GT(peak, kSound);
            QCOMPARE_LT(peak, kClipping);
        }
    }

private:
    const Recording m_voice{"tolvex.wav"};
};

QTEST_GUILESS_MAIN(TestRecording)
#include "tst_recording.moc"
