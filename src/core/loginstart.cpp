#include "core/loginstart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// An Exec value: a path with anything but plain characters is quoted, with
// '"', '`', '$' and '\' escaped inside the quotes and '\' escaped once more
// as the file's strings are; '%' is doubled as field codes require.
QString execValue(const QString &program)
{
    static const QRegularExpression plain("^[A-Za-z0-9_./+-]+$");
    if (plain.match(program).hasMatch())
        return program;
    QString quoted = "\"";
    for (const QChar c : program) {
        if (c == u'\\')
            quoted += "\\\\\\\\";
        else if (c == u'"' || c == u'`' || c == u'$')
            quoted += QString("\\\\") + c;
        else if (c == u'%')
            quoted += "%%";
        else
            quoted += c;
    }
    return quoted + "\"";
}

} // namespace

LoginStart::LoginStart(const QString &folder, const QString &program)
    : m_folder(folder)
    , m_program(program)
{
}

LoginStart LoginStart::forThisProgram()
{
    return LoginStart(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/autostart",
                      QCoreApplication::applicationFilePath());
}

QString LoginStart::entryPath() const
{
    return m_folder + '/' + kEntryName;
}

bool LoginStart::runsFromBuildTree() const
{
    return QFileInfo::exists(QFileInfo(m_program).dir().filePath("CMakeCache.txt"));
}

bool LoginStart::isOn() const
{
    QFile entry(entryPath());
    if (!entry.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    while (!entry.atEnd()) {
        const QByteArray line = entry.readLine().trimmed();
        if (line == "Hidden=true" || line == "X-GNOME-Autostart-enabled=false")
            return false;
    }
    return true;
}

QString LoginStart::entryText() const
{
    return QString("[Desktop Entry]\n"
                   "Type=Application\n"
                   "Name=Chimewise\n"
                   "Comment=Talking clock in the notification area\n"
                   "Exec=%1\n"
                   "Icon=chimewise\n"
                   "Terminal=false\n"
                   "X-GNOME-Autostart-enabled=true\n")
        .arg(execValue(m_program));
}

QString LoginStart::setOn(bool on) const
{
    if (!on) {
        QFile entry(entryPath());
        if (!entry.exists() || entry.remove())
            return {};
        return QCoreApplication::translate("LoginStart", "Could not remove %1: %2.\nDelete that file to keep the clock from starting at login.")
            .arg(entryPath(), entry.errorString());
    }
    if (!QDir().mkpath(m_folder))
        return QCoreApplication::translate("LoginStart", "Could not make the folder %1.\nMove away whatever is in its place, then choose "
                                                     "\"Start at login\" again.")
            .arg(m_folder);
    QSaveFile entry(entryPath());
    if (entry.open(QIODevice::WriteOnly | QIODevice::Text) && entry.write(entryText().toUtf8()) >= 0
        && entry.commit())
        return {};
    return QCoreApplication::translate("LoginStart", "Could not write %1: %2.\nMake sure the folder %3 can be written, then choose "
                                                 "\"Start at login\" again.")
        .arg(entryPath(), entry.errorString(), m_folder);
}
