// chimewise-browser: the clock's help browser, a program of its own, so
// that the web engine's memory and processes go when its window closes.
#include "browser/browserdialog.h"
#include "core/interfacelanguage.h"
#include "core/interfacetranslation.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSocketNotifier>
#include <QTextStream>

#include <cerrno>
#include <memory>

#include <unistd.h>

namespace {

void bringForward(BrowserDialog &dialog)
{
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

// The clock writes one address a line while the window is open; when it
// closes our stdin (or ends), so does the browser.
void listenOnStdin(BrowserDialog &dialog)
{
    auto *notifier = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, &dialog);
    auto pending = std::make_shared<QByteArray>(); // a line not yet ended
    QObject::connect(notifier, &QSocketNotifier::activated, &dialog, [&dialog, notifier, pending] {
        char buffer[4096];
        const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            return;
        if (got <= 0) {
            notifier->setEnabled(false);
            QCoreApplication::quit();
            return;
        }
        pending->append(buffer, got);
        for (qsizetype end = pending->indexOf('\n'); end >= 0; end = pending->indexOf('\n')) {
            const QString address = QString::fromUtf8(pending->left(end)).trimmed();
            pending->remove(0, end + 1);
            if (!address.isEmpty()) {
                dialog.navigate(address);
                bringForward(dialog);
            }
        }
    });
}

} // namespace

int main(int argc, char *argv[])
{
    // The web engine draws in OpenGL contexts shared with the window's.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName("Chimewise");
    QCoreApplication::setApplicationName("chimewise-browser");

    QCommandLineParser parser;
    parser.setApplicationDescription("The help browser of Chimewise: shows ADDRESS (a URL or a local file).");
    parser.addHelpOption();
    const QCommandLineOption language("language", "The language of the window: bn or en (the default).",
                                      "bn|en", InterfaceLanguage::English);
    const QCommandLineOption home("home", "The page the Home button opens.", "HOME", "about:blank");
    const QCommandLineOption listen("listen", "Also show each address read from stdin, one a line, "
                                              "until stdin closes or the window does.");
    parser.addOptions({language, home, listen});
    parser.addPositionalArgument("ADDRESS", "The page to show first.");
    parser.process(app);

    QTextStream err(stderr);
    const QString chosen = parser.value(language);
    if (chosen != QLatin1String(InterfaceLanguage::Bangla) && chosen != QLatin1String(InterfaceLanguage::English)) {
        err << "chimewise-browser: --language takes bn or en, not \"" << chosen << "\"\n";
        return 2;
    }
    if (parser.positionalArguments().size() != 1) {
        err << "chimewise-browser: give one ADDRESS to show, e.g. chimewise-browser "
               "/usr/share/chimewise/Chime_Wise.html\n";
        return 2;
    }
    installInterfaceLanguage(app, chosen);

    BrowserDialog dialog(parser.positionalArguments().constFirst(), parser.value(home));
    QObject::connect(&dialog, &QDialog::finished, &app, &QCoreApplication::quit);
    if (parser.isSet(listen))
        listenOnStdin(dialog);
    bringForward(dialog);
    return app.exec();
}
