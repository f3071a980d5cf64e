#include "events/voicememo.h"

#include "sound/recordingformat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

namespace {

constexpr qint64 kMostMemoBytes = 4 << 20;

// The format of a RIFF wave's "fmt " chunk, when it is plain PCM.
bool isRecorderWave(const QByteArray &bytes)
{
    if (!bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return false;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const quint32 size = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
        if (bytes.mid(at, 4) == "fmt ") {
            if (size < 16 || at + 8 + 16 > bytes.size())
                return false;
            const char *fmt = bytes.constData() + at + 8;
            const RecordingFormat format{qFromLittleEndian<quint16>(fmt + 14), qFromLittleEndian<quint16>(fmt + 2),
                                         int(qFromLittleEndian<quint32>(fmt + 4))};
            return qFromLittleEndian<quint16>(fmt) == 1 && format == RecordingFormat{};
        }
        at += 8 + qsizetype(size) + (size & 1);
    }
    return false;
}

} // namespace

QByteArray voiceMemoOf(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || file.size() > kMostMemoBytes || !file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return isRecorderWave(bytes) ? bytes.toBase64() : QByteArray();
}

QString restoreVoiceMemo(const QByteArray &base64, const QString &fileName, const QString &folder)
{
    const auto decoded = QByteArray::fromBase64Encoding(base64);
    const QByteArray &bytes = *decoded;
    if (!decoded || !isRecorderWave(bytes) || !QDir().mkpath(folder))
        return {};
    QString base = QFileInfo(fileName).completeBaseName();
    if (base.isEmpty())
        base = "Voice memo";
    const QDir into(folder);
    QString path = into.filePath(base + ".wav");
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = into.filePath(QString("%1 (%2).wav").arg(base).arg(n));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return {};
    return path;
}
