#pragma once

#include <QString>

#include <stdexcept>

namespace solvaro {

// An error that ends the current user action and is shown by the application's
// general error box. what() holds the message in UTF-8.
class Error : public std::runtime_error
{
public:
    explicit Error(const QString &message)
        : std::runtime_error(message.toStdString())
    {
    }

    QString message() const { return QString::fromUtf8(what()); }
};

} // namespace solvaro
