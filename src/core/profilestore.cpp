#include "core/profilestore.h"

#include <QSettings>

std::unique_ptr<ProfileStore> ProfileStore::openUserProfile()
{
    return std::unique_ptr<ProfileStore>(new ProfileStore(std::make_unique<QSettings>(
        QSettings::NativeFormat, QSettings::UserScope, "Chimewise", "Chimewise")));
}

std::unique_ptr<ProfileStore> ProfileStore::openIniFile(const QString &path)
{
    return std::unique_ptr<ProfileStore>(
        new ProfileStore(std::make_unique<QSettings>(path, QSettings::IniFormat)));
}

ProfileStore::ProfileStore(std::unique_ptr<QSettings> settings)
    : m_settings(std::move(settings))
{
}

ProfileStore::~ProfileStore() = default;

QString ProfileStore::path(const QString &section, const QString &key)
{
    return section + u'/' + key;
}

int ProfileStore::readInt(const QString &section, const QString &key, int defaultValue) const
{
    bool ok = false;
    const int value = m_settings->value(path(section, key)).toInt(&ok);
    return ok ? value : defaultValue;
}

QString ProfileStore::readText(const QString &section, const QString &key,
                               const QString &defaultValue) const
{
    return m_settings->value(path(section, key), defaultValue).toString();
}

void ProfileStore::writeInt(const QString &section, const QString &key, int value)
{
    m_settings->setValue(path(section, key), value);
    m_settings->sync();
}

void ProfileStore::writeText(const QString &section, const QString &key, const QString &value)
{
    m_settings->setValue(path(section, key), value);
    m_settings->sync();
}
