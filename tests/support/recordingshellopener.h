#pragma once

#include "core/shellopener.h"

#include <QStringList>

// Keeps what the program asked the desktop to open, and opens nothing.
class RecordingShellOpener final : public ShellOpener
{
public:
    bool open(const QString &target) override
    {
        opened << target;
        return true;
    }

    QStringList opened;
};
