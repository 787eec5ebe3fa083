#pragma once

#include "base/error.h"

#include <QObject>

#include <exception>
#include <utility>

namespace solvaro {

class Dialogs;

// Shows an error that ended a user action in the general error box; before
// there are dialogs (while the program starts) on standard error.
void showErrorBox(Dialogs *dialogs, const std::exception &error);

// Connects the forms' handlers to their signals so that an error ends where
// the handler ends: a solvaro::Error leaving a handler is shown in the general
// error box and never crosses the signal, which Qt does not allow. The
// application object's catch stays for what reaches it from an event.
class Handlers
{
public:
    explicit Handlers(Dialogs *dialogs)
        : m_dialogs(dialogs)
    {
    }

    // Runs an action; an Error it raises is shown. False when it failed.
    template<typename Action> bool run(Action &&action) const
    {
        try {
            std::forward<Action>(action)();
            return true;
        } catch (const Error &error) {
            showErrorBox(m_dialogs, error);
            return false;
        }
    }

    // A handler that is a member of the receiver (&TForm0::LMDsalvaClick).
    template<typename Sender, typename Signal, typename Receiver, typename Result, typename Class,
        typename... Args>
    QMetaObject::Connection connect(const Sender *sender, Signal signal, Receiver *receiver,
        Result (Class::*handler)(Args...)) const
    {
        return QObject::connect(
            sender, signal, receiver, [this_ = *this, receiver, handler](Args... args) {
                this_.run([&] { (receiver->*handler)(std::forward<Args>(args)...); });
            });
    }

    template<typename Sender, typename Signal, typename Receiver, typename Result, typename Class,
        typename... Args>
    QMetaObject::Connection connect(const Sender *sender, Signal signal, Receiver *receiver,
        Result (Class::*handler)(Args...) const) const
    {
        return QObject::connect(
            sender, signal, receiver, [this_ = *this, receiver, handler](Args... args) {
                this_.run([&] { (receiver->*handler)(std::forward<Args>(args)...); });
            });
    }

    // A handler written in place; it takes what it names of the signal's
    // arguments (the lambda's parameters must be spelled out, not auto).
    template<typename Sender, typename Signal, typename Handler>
    QMetaObject::Connection connect(
        const Sender *sender, Signal signal, const QObject *context, Handler handler) const
    {
        return QObject::connect(
            sender, signal, context, guarded(std::move(handler), &Handler::operator()));
    }

private:
    template<typename Handler, typename Result, typename Lambda, typename... Args>
    auto guarded(Handler handler, Result (Lambda::*)(Args...) const) const
    {
        return [this_ = *this, handler = std::move(handler)](
                   Args... args) { this_.run([&] { handler(std::forward<Args>(args)...); }); };
    }
    template<typename Handler, typename Result, typename Lambda, typename... Args>
    auto guarded(Handler handler, Result (Lambda::*)(Args...)) const
    {
        return [this_ = *this, handler = std::move(handler)](Args... args) mutable {
            this_.run([&] { handler(std::forward<Args>(args)...); });
        };
    }

    Dialogs *m_dialogs;
};

} // namespace solvaro
