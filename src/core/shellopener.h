#pragma once

#include <QString>

// Hands a file or link to the desktop (the user's default program for it).
class ShellOpener
{
public:
    virtual ~ShellOpener() = default;

    // A path or a URL such as "mailto:…"; false when nothing could take it.
    virtual bool open(const QString &target) = 0;
};
