#pragma once

#include <QString>
#include <QStringList>

// Where the files shipped with the program (the recording, the prayer-call
// sounds, the voice definition) are found: next to the program, then in the
// installed data directory (<prefix>/share/chimewise beside <prefix>/bin).
// The build copies them next to the program, so a build tree runs as is.
namespace DataFiles {

// The directory of the running program, ending in '/'.
QString programDirectory();

QStringList shippedDirectories();

// The first existing file of that name, looking in the current directory
// first when asked; otherwise the name in the program directory, so that a
// missing file fails where the user expects it.
QString find(const QString &name, bool currentDirectoryFirst);

} // namespace DataFiles
