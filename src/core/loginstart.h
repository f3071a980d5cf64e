#pragma once

#include <QString>

// The entry that starts the clock with the desktop session: a desktop file in
// the user's autostart folder, read by every desktop that follows the XDG
// autostart rules (GNOME, KDE Plasma, Xfce, LXQt, MATE, Cinnamon).
class LoginStart
{
public:
    static constexpr char kEntryName[] = "chimewise.desktop";

    // folder: where the entry lives; program: the path the session starts.
    LoginStart(const QString &folder, const QString &program);

    // ~/.config/autostart (or $XDG_CONFIG_HOME/autostart) and this program.
    static LoginStart forThisProgram();

    QString entryPath() const;
    // A program in a build tree (beside CMakeCache.txt) is not offered the
    // entry at its first start: the session would start that build.
    bool runsFromBuildTree() const;
    // On while the entry is there and the desktop was not told to skip it.
    bool isOn() const;
    // Writes or removes the entry. Empty on success, else what went wrong and what to do.
    QString setOn(bool on) const;
    // The text of the entry.
    QString entryText() const;

private:
    QString m_folder;
    QString m_program;
};
