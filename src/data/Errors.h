#pragma once

#include <QString>
#include <stdexcept>

// Base of every error the program raises on purpose. what() carries the message in UTF-8 so
// that the application's top-level handler can show it as it is; place() tells where the fault
// was found (a file and line, a cell) when that is known, and is kept out of the message.
class MirelonError : public std::runtime_error
{
public:
    explicit MirelonError(const QString &message, const QString &place = {});

    QString message() const { return m_message; }
    QString place() const { return m_place; }

private:
    QString m_message;
    QString m_place;
};

// Record and field errors of a data set ("No Records", "Field '%s' not found", filter syntax).
class EDatabaseError : public MirelonError
{
public:
    using MirelonError::MirelonError;
};

// Property errors of the delimited-text table and cells that its file format cannot hold.
class ETxtTblError : public MirelonError
{
public:
    using MirelonError::MirelonError;
};

// A text that does not convert to a number (« huit » n'est pas un nombre entier valide).
class EConvertError : public MirelonError
{
public:
    using MirelonError::MirelonError;
};

// Input and output failures (a missing file, a write that did not complete).
class EInOutError : public MirelonError
{
public:
    using MirelonError::MirelonError;
};
