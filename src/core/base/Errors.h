#pragma once

#include <QString>
#include <stdexcept>

// Base of the errors that commands report to the user in a message box.
class FotoviaError : public std::runtime_error
{
public:
    explicit FotoviaError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};

// A folder or file could not be created, read or written.
class InOutError : public FotoviaError
{
public:
    using FotoviaError::FotoviaError;
};

// A text that should hold a number does not.
class ConvertError : public FotoviaError
{
public:
    using FotoviaError::FotoviaError;
};
