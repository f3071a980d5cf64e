#include "events/voicerecorder.h"

#include "core/promptservice.h"
#include "events/eventtext.h"
#include "sound/soundcommand.h"
#include "sound/sounddevice.h"
#include "timetext/leadingdecimal.h"
#include "timetext/localdigits.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

namespace {

const PromptService::FileChoice kWaveFiles{"WAV", "", "WaveAudio Files (*.wav)|*.wav|All Files (*.*)|*.*||"};

QString trimmedStart(const QString &text)
{
    qsizetype first = 0;
    while (first < text.size() && text.at(first) == u' ')
        ++first;
    return text.mid(first);
}

} // namespace

VoiceRecorder::VoiceRecorder(const RecorderControls &controls, SoundDevice &device,
                             PromptService &prompts, QObject *parent)
    : QObject(parent)
    , m_controls(controls)
    , m_device(device)
    , m_prompts(prompts)
{
    connect(m_controls.recordButton, &QPushButton::clicked, this, &VoiceRecorder::onRecord);
    connect(m_controls.stopButton, &QPushButton::clicked, this, &VoiceRecorder::onStop);
    connect(m_controls.browseButton, &QPushButton::clicked, this, &VoiceRecorder::onBrowse);
    connect(m_controls.playButton, &QPushButton::clicked, this, &VoiceRecorder::onPlay);
    connect(m_controls.slider, &QSlider::sliderPressed, this, [this] { m_following = false; });
    connect(m_controls.slider, &QSlider::sliderReleased, this, &VoiceRecorder::onThumbReleased);
    connect(&m_timer, &QTimer::timeout, this, &VoiceRecorder::onTimer);
    m_controls.slider->setRange(0, 25);
    m_timer.start(100);
}

bool VoiceRecorder::send(const QString &command, const QString &caption, QString *reply)
{
    const int error = m_device.send(command, reply);
    if (error)
        m_prompts.messageBox(m_device.errorText(error), caption, PromptService::Buttons::Ok,
                             PromptService::Icon::Error);
    return error == 0;
}

void VoiceRecorder::lockDialog(bool locked)
{
    for (QPushButton *button : std::as_const(m_controls.lockedWhileBusy))
        button->setEnabled(!locked);
}

void VoiceRecorder::onRecord()
{
    if (busy())
        return;
    m_fromStart = true;
    m_controls.fileEdit->clear();
    if (!send("open new type waveaudio alias essound buffer 6 wait", "OPEN "))
        return;
    send("set essound time format ms bitspersample 8 channels 1 samplespersec 11025 wait", "SET ");
    if (!send("record essound", "RECord")) {
        // Left open, the alias would refuse every later recording.
        m_device.send("close essound");
        return;
    }
    m_recording = true;
    lockDialog(true);
}

void VoiceRecorder::onStop()
{
    lockDialog(false);
    if (!busy() || !send("stop essound", "Stop "))
        return;
    if (m_recording)
        saveRecording();
    m_recording = false;
    m_playing = false;
    send("close essound", "Close essound");
}

// A cancelled choice discards the recording.
void VoiceRecorder::saveRecording()
{
    const QString path = m_prompts.saveFile(kWaveFiles);
    m_controls.fileEdit->setText(path);
    if (!path.isEmpty())
        send("save essound " + SoundCommand::quoted(path), tr("Saving"));
}

void VoiceRecorder::onBrowse()
{
    if (busy())
        onStop();
    if (m_recording)
        return;
    m_fromStart = true;
    const QString chosen = m_prompts.openFile(kWaveFiles);
    // Cancelling keeps the path that was there.
    if (!chosen.isEmpty())
        m_controls.fileEdit->setText(chosen);
    const QString path = trimmedStart(m_controls.fileEdit->text());
    if (path.isEmpty() || !openAndMeasure(path, tr("Browsing ") + path))
        return;
    send("close essound wait", tr("Browsing ") + path);
}

bool VoiceRecorder::openAndMeasure(const QString &path, const QString &caption)
{
    if (!send(QString("open %1 type waveaudio alias essound buffer 6 wait").arg(SoundCommand::quoted(path)),
              tr("Open for Playing")))
        return false;
    send("set essound time format ms wait", caption);
    QString length;
    const int error = m_device.send("status essound length wait", &length);
    m_length = leadingDecimal(length);
    m_controls.lengthText->setText(tr("Content is of ") + localDigits(recorderTimeText(m_length)));
    if (m_length > 0)
        m_controls.slider->setRange(0, int(m_length));
    if (error)
        m_prompts.messageBox(m_device.errorText(error), caption, PromptService::Buttons::Ok,
                             PromptService::Icon::Error);
    return true;
}

void VoiceRecorder::onPlay()
{
    if (busy())
        return;
    const QString path = trimmedStart(m_controls.fileEdit->text());
    if (path.isEmpty() || !openAndMeasure(path, tr("Playing ") + path))
        return;
    const QSlider *slider = m_controls.slider;
    qint64 from = m_fromStart ? 0 : slider->value();
    if (from <= slider->minimum() || from >= slider->maximum())
        from = 0;
    send(QString("play essound from %1").arg(from), tr("Playing ") + path);
    // Also after a refused play: Stop closes the device again.
    m_playing = true;
    m_fromStart = false;
    lockDialog(true);
}

void VoiceRecorder::onTimer()
{
    if (!busy())
        return;
    QString position;
    if (m_device.send("status essound position", &position) == 0)
        m_position = leadingDecimal(position);
    m_controls.positionText->setText(tr("Now at ") + localDigits(recorderTimeText(m_position)) + " ");
    if (m_playing && m_position >= m_length) {
        m_position = 0;
        onStop();
        m_fromStart = true;
    }
    if (m_playing && m_length != 0 && m_following)
        m_controls.slider->setValue(int(m_position));
}

// Playback goes on from where the thumb was let go; at the very end it starts again.
void VoiceRecorder::onThumbReleased()
{
    const int position = m_controls.slider->value();
    m_controls.positionText->setText(tr("Now at ") + localDigits(recorderTimeText(position)) + " ");
    m_following = true;
    if (!m_playing)
        return;
    const int from = position < m_controls.slider->maximum() ? position : 0;
    send(QString("play essound from %1").arg(from),
         tr("Playing ") + trimmedStart(m_controls.fileEdit->text()));
}

void VoiceRecorder::shutDown()
{
    m_timer.stop();
    if (!busy())
        return;
    m_device.send("stop essound");
    m_device.send("close essound");
    m_recording = false;
    m_playing = false;
    lockDialog(false);
}
