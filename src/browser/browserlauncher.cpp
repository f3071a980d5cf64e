#include "browser/browserlauncher.h"

#include "core/interfacetranslation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <unistd.h>

namespace {

// Run by root with its sandbox on, the web engine refuses to start: the
// desktop opens the page instead, without a message each time.
bool engineRefusesToRun()
{
    return ::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")
           && !qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS").contains("--no-sandbox");
}

} // namespace

QString BrowserLauncher::installedProgram()
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString beside = programDir.filePath(kProgramName);
    if (QFileInfo::exists(beside))
        return beside;
    // <prefix>/libexec/chimewise seen from <prefix>/bin; set by the build.
    return QDir::cleanPath(programDir.filePath(CHIMEWISE_LIBEXEC_DIR_FROM_BIN "/") + kProgramName);
}

BrowserLauncher::BrowserLauncher(const QString &program, QObject *parent)
    : QObject(parent)
    , m_program(program)
{
}

// The browser's window closes with the clock, which says nothing of it.
BrowserLauncher::~BrowserLauncher()
{
    if (m_process) {
        m_process->disconnect(this);
        m_process->kill();
        m_process->waitForFinished(); // a killed process, gone at once
    }
}

bool BrowserLauncher::isMissing() const
{
    return !QFileInfo::exists(m_program);
}

bool BrowserLauncher::show(const QString &address, const QString &home)
{
    if (m_process) {
        m_shown = address;
        m_process->write(address.toUtf8() + '\n'); // buffered while it still starts
        return true;
    }
    if (isMissing())
        return false;
    if (engineRefusesToRun()) {
        qWarning("The help browser is not started for root without QTWEBENGINE_DISABLE_SANDBOX=1.");
        return false;
    }
    m_shown = address;
    m_process = new QProcess(this);
    m_process->setProcessChannelMode(QProcess::ForwardedChannels);
    connect(m_process, &QProcess::errorOccurred, this, &BrowserLauncher::onError);
    connect(m_process, &QProcess::finished, this, &BrowserLauncher::onFinished);
    m_process->start(m_program, {"--language", installedInterfaceLanguage(), "--home", home, "--listen", address});
    return true;
}

void BrowserLauncher::onError(QProcess::ProcessError error)
{
    if (error != QProcess::FailedToStart)
        return; // a crash also finishes, and a closed pipe is for finished to tell
    qWarning("The help browser %s did not start: %s", qPrintable(m_program),
             qPrintable(m_process->errorString()));
    m_process->deleteLater();
    m_process = nullptr;
    emit failed(m_shown);
}

void BrowserLauncher::onFinished(int exitCode, QProcess::ExitStatus status)
{
    m_process->deleteLater();
    m_process = nullptr;
    if (status == QProcess::NormalExit && exitCode == 0)
        return; // its window was closed
    if (status == QProcess::CrashExit)
        qWarning("The help browser %s crashed.", qPrintable(m_program));
    else
        qWarning("The help browser %s ended with status %d.", qPrintable(m_program), exitCode);
    emit failed(m_shown);
}
