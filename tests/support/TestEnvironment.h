#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// Points USERPROFILE at a fresh temporary folder while it lives, so the settings file is a test's own.
class TemporaryProfile final
{
public:
    TemporaryProfile();
    ~TemporaryProfile();
    TemporaryProfile(const TemporaryProfile &) = delete;
    TemporaryProfile &operator=(const TemporaryProfile &) = delete;

    QString path() const { return m_dir.path(); }
    QString settingsFile() const;

private:
    QTemporaryDir m_dir;
    bool m_hadValue;
    QByteArray m_oldValue;
};

// Dates as a Brazilian user reads them: the pt_BR locale, and a zone away from UTC with daylight saving in
// its past, so that any reading left in local time, or any move to UTC, shows.
void UseBrazilianLocaleAndZone();
