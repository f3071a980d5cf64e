#pragma once

#include <QString>

#include <memory>

class QSettings;

// The user's profile: sections of named integers and texts. The only place
// that touches QSettings. Every write reaches the disk before it returns,
// since the clock never saves "at exit".
class ProfileStore
{
public:
    // ~/.config/Chimewise/Chimewise.conf on Linux (the registry key
    // Software\Chimewise\Chimewise on Windows).
    static std::unique_ptr<ProfileStore> openUserProfile();
    static std::unique_ptr<ProfileStore> openIniFile(const QString &path);

    ~ProfileStore();

    // A missing value, or one that is not a number, reads as the default.
    int readInt(const QString &section, const QString &key, int defaultValue) const;
    QString readText(const QString &section, const QString &key, const QString &defaultValue) const;

    // Failed writes are not reported: the clock keeps running on its in-memory values.
    void writeInt(const QString &section, const QString &key, int value);
    void writeText(const QString &section, const QString &key, const QString &value);

private:
    explicit ProfileStore(std::unique_ptr<QSettings> settings);
    static QString path(const QString &section, const QString &key);

    std::unique_ptr<QSettings> m_settings;
};
