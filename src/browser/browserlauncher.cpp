#include "browser/browserlauncher.h"

#include "browser/browserfactory.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QOpenGLContext>

#include <memory>

#include <unistd.h>

// Exported by Qt GUI without a public header: the context every OpenGL
// context of the program shares with, which the web engine requires.
Q_GUI_EXPORT QOpenGLContext *qt_gl_global_share_context();
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);

namespace {

// <prefix>/lib/<arch>/chimewise seen from <prefix>/bin; set by the build.
QString installedPluginDirectory()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + '/' + CHIMEWISE_PLUGIN_DIR_FROM_BIN);
}

// Run by root with its sandbox on, the web engine ends the whole program;
// the clock must not die for a help page, so the desktop opens it instead.
bool engineRefusesToRun()
{
    return ::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")
           && !qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS").contains("--no-sandbox");
}

// The web engine expects the shared OpenGL context that Qt makes only when
// asked before the application starts, which would load OpenGL into every
// start of the clock; it is made here instead, before the engine loads.
void shareOpenGlContexts()
{
    if (qt_gl_global_share_context())
        return;
    auto *context = new QOpenGLContext(qApp); // lives as long as the program
    context->create();
    qt_gl_set_global_share_context(context);
}

} // namespace

BrowserLauncher::BrowserLauncher(const QString &pluginName)
    : m_pluginName(pluginName)
{
}

BrowserFactory *BrowserLauncher::factory()
{
    if (!m_tried) {
        m_tried = true;
        if (engineRefusesToRun()) {
            qWarning("The browser is not opened for root without QTWEBENGINE_DISABLE_SANDBOX=1.");
            return nullptr;
        }
        QCoreApplication::addLibraryPath(installedPluginDirectory());
        m_loader.setFileName(m_pluginName); // empty when no library path has it
        m_missing = m_loader.fileName().isEmpty();
        if (!m_missing)
            shareOpenGlContexts();
        if (!m_loader.load())
            qWarning("The browser cannot be loaded: %s", qPrintable(m_loader.errorString()));
    }
    return m_loader.isLoaded() ? qobject_cast<BrowserFactory *>(m_loader.instance()) : nullptr;
}

bool BrowserLauncher::isMissing()
{
    factory();
    return m_missing;
}

int BrowserLauncher::run(const QString &address, const QString &home, QWidget *parent)
{
    BrowserFactory *browsers = factory();
    if (!browsers)
        return -1;
    const std::unique_ptr<QDialog> dialog(browsers->createBrowser(address, home, parent));
    return dialog->exec();
}
