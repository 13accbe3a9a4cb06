#include "settings/SettingsPaths.h"

#include <QDir>

namespace {

QString profileFolder()
{
    if (qEnvironmentVariableIsSet("USERPROFILE"))
        return qEnvironmentVariable("USERPROFILE");
    return qEnvironmentVariable("HOME");
}

// Joins like the platform does: one separator between the parts, none after an empty first part.
QString joined(const QString &first, const QString &second)
{
    if (first.isEmpty())
        return second;
    const QChar sep = QDir::separator();
    if (first.endsWith(sep))
        return first + second;
    return first + sep + second;
}

QString nativeRelative(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

QString SettingsFolderPath()
{
    return joined(profileFolder(), nativeRelative(QStringLiteral("Documents/OrvelViewer")));
}

QString SettingsFilePath()
{
    return joined(profileFolder(), nativeRelative(QStringLiteral("Documents/OrvelViewer/orvelconfig.s3db")));
}
