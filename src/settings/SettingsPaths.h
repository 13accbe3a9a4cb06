#pragma once

#include <QString>

// Where the settings file lives: under the user's profile folder (USERPROFILE, or HOME when it is not set).
QString SettingsFolderPath();
QString SettingsFilePath();
