#pragma once

#include "core/shellopener.h"

// Opens through the desktop's default handlers (xdg-open on Linux).
class DesktopShellOpener final : public ShellOpener
{
public:
    bool open(const QString &target) override;
};
