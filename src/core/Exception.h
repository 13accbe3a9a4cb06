#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

namespace nivo {

// Base of every error the program raises itself; the message is what the user is shown.
class Exception : public std::exception
{
public:
    explicit Exception(const QString &message);

    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// A value that does not have the form expected of it (a stored form that is not hexadecimal, ...).
class EConvertError : public Exception
{
public:
    using Exception::Exception;
};

// An argument that the callee refuses before doing anything.
class EArgumentError : public Exception
{
public:
    using Exception::Exception;
};

// A failure of the settings database (cannot open, unknown field, store not connected).
class EDatabaseError : public Exception
{
public:
    using Exception::Exception;
};

} // namespace nivo
