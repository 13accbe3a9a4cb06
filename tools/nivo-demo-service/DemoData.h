#pragma once

#include <QDate>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The demo data set: the one user, the external applications and their messages, as the JSON file
// holds them (demo-data.json shows the form).
struct DemoData
{
    QString userName;
    QString password;
    QStringList resendRefusedFor;  // eea_id of applications whose resends the destination refuses
    QJsonArray externalApplications;
    QList<QJsonObject> messages;

    // Reads the file; nothing, with a Portuguese reason, when it cannot.
    static std::optional<DemoData> load(const QString &path, QString *error);

    // Moves every date by whole days so that the latest registration falls on `today`; each text
    // keeps its form (offset or none, milliseconds or none). A data set recorded once so stays recent.
    void moveDatesTo(const QDate &today);
};
