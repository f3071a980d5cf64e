#include "core/datafiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace DataFiles {

QString programDirectory()
{
    return QCoreApplication::applicationDirPath() + '/';
}

QStringList shippedDirectories()
{
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.absolutePath() + '/',
            QDir::cleanPath(program.absoluteFilePath("../share/chimewise")) + '/'};
}

QString find(const QString &name, bool currentDirectoryFirst)
{
    QStringList directories = shippedDirectories();
    if (currentDirectoryFirst)
        directories.prepend(QDir::currentPath() + '/');
    for (const QString &directory : directories) {
        if (QFileInfo(directory + name).isFile())
            return directory + name;
    }
    return programDirectory() + name;
}

} // namespace DataFiles
