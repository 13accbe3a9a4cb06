#include "TestEnvironment.h"

#include "settings/SettingsPaths.h"

#include <QLocale>

#include <ctime>

TemporaryProfile::TemporaryProfile()
    : m_hadValue(qEnvironmentVariableIsSet("USERPROFILE"))
    , m_oldValue(qgetenv("USERPROFILE"))
{
    qputenv("USERPROFILE", m_dir.path().toLocal8Bit());
}

TemporaryProfile::~TemporaryProfile()
{
    if (m_hadValue)
        qputenv("USERPROFILE", m_oldValue);
    else
        qunsetenv("USERPROFILE");
}

QString TemporaryProfile::settingsFile() const
{
    return SettingsFilePath();
}

void UseBrazilianLocaleAndZone()
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    qputenv("TZ", "America/Sao_Paulo");
    tzset();
}
