#pragma once
// Internal to the wrapper: the client library's entry points and the
// translation of its exceptions into fb::Error.

#include "data/fb/error.h"

#include <firebird/Interface.h>

namespace velta::data::fb::detail {

Firebird::IMaster* master();
Firebird::IUtil* util();
Firebird::IProvider* provider();

// The engine's message and codes of a failed status.
Error toError(const Firebird::IStatus* status);

// Runs f(ThrowStatusWrapper*) and turns a Firebird exception into fb::Error.
template <typename F> auto call(F&& f) {
    Firebird::ThrowStatusWrapper status(master()->getStatus());
    struct Dispose {
        Firebird::ThrowStatusWrapper& s;
        ~Dispose() { s.dispose(); }
    } dispose{status};
    try {
        return f(&status);
    } catch (const Firebird::FbException& e) {
        throw toError(e.getStatus());
    }
}

} // namespace velta::data::fb::detail
