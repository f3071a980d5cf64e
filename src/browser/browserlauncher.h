#pragma once

#include <QObject>
#include <QProcess>
#include <QString>

// Shows pages in the help browser, chimewise-browser, a program of its own:
// the first page starts it, later ones go to the running one's window. The
// clock never waits for it.
class BrowserLauncher : public QObject
{
    Q_OBJECT

public:
    static constexpr char kProgramName[] = "chimewise-browser";

    // The program as the clock finds it: next to the clock's binary in the
    // build tree, else in the installation's libexec/chimewise.
    static QString installedProgram();

    explicit BrowserLauncher(const QString &program = installedProgram(), QObject *parent = nullptr);
    ~BrowserLauncher() override;

    // Shows address, starting the browser when it is not running, with home
    // behind its Home button; false when it cannot be started at all (not
    // installed, or refused to root) and the caller must open it otherwise.
    bool show(const QString &address, const QString &home);

    // Whether the program is not installed (the package chimewise-browser).
    bool isMissing() const;
    QString program() const { return m_program; }

signals:
    // The browser did not start, or stopped abnormally, while showing address.
    void failed(const QString &address);

private:
    void onError(QProcess::ProcessError error);
    void onFinished(int exitCode, QProcess::ExitStatus status);

    QString m_program;
    QProcess *m_process = nullptr; // while one runs or starts
    QString m_shown;               // the address last handed to it
};
