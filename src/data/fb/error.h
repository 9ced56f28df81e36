#pragma once
// Every failure of the Firebird client becomes an fb::Error. It carries the
// engine's own message text, which the user reads, and the engine's status
// codes, by which callers tell one failure from another (never by the text).

#include <QString>

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace velta::data::fb {

// Status codes the program reacts to (values of iberror.h, repeated here so
// that callers need not include the client headers).
namespace code {
inline constexpr std::intptr_t ioError = 335544344;        // isc_io_error
inline constexpr std::intptr_t ioOpenError = 335544734;    // isc_io_open_err: file missing
inline constexpr std::intptr_t ioCreateError = 335544733;  // isc_io_create_err
inline constexpr std::intptr_t badDatabase = 335544323;    // isc_bad_db_format
inline constexpr std::intptr_t lockConflict = 335544345;   // isc_lock_conflict
inline constexpr std::intptr_t deadlock = 335544336;       // isc_deadlock
inline constexpr std::intptr_t updateConflict = 335544451; // isc_update_conflict
inline constexpr std::intptr_t uniqueKey = 335544665;      // isc_unique_key_violation
inline constexpr std::intptr_t noSavepoint = 335544820;    // isc_no_savepoint
inline constexpr std::intptr_t engineMismatch = 335545107; // isc_wrong_engine: held by another process
inline constexpr std::intptr_t sysRequest = 335544373;     // isc_sys_request: operating system call failed
inline constexpr std::intptr_t login = 335544472;          // isc_login
inline constexpr std::intptr_t networkError = 335544721;   // isc_network_error
inline constexpr std::intptr_t dsqlError = 335544569;      // isc_dsql_error
} // namespace code

class Error : public std::runtime_error {
public:
    // A failure reported by the engine: its message and its status codes.
    Error(const QString& message, std::vector<std::intptr_t> codes);
    // A failure found by the wrapper itself (no engine codes).
    explicit Error(const QString& message);

    const QString& message() const { return m_message; }
    const std::vector<std::intptr_t>& codes() const { return m_codes; }
    bool hasCode(std::intptr_t value) const;

    // Another process holds the embedded database file.
    bool isDatabaseInUse() const { return hasCode(code::engineMismatch); }
    // A row changed by a concurrent transaction.
    bool isUpdateConflict() const { return hasCode(code::updateConflict) || hasCode(code::deadlock); }

private:
    QString m_message;
    std::vector<std::intptr_t> m_codes;
};

} // namespace velta::data::fb
