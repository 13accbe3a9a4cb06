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
