#pragma once

#include <QString>
#include <utility>
#include <variant>

/// Why an operation did not do what it was asked. The window that asked decides how to tell the user.
enum class FailureKind
{
    Refused,   // the input or the state does not allow it (a rule said no); nothing was changed
    Conflict,  // another desk changed or removed what this one read; nothing was changed
    Database,  // a statement failed (the driver's text); the transaction was rolled back
    File,      // a file could not be read, written or replaced; the previous file is in place
    Cancelled, // the user stopped it part way (a progress dialog); nothing was changed
    None       // no failure: the kind a success reports, as QSqlError reports NoError
};

/// A failure: its kind and the text to show (or, for Database and File, to log).
struct Failure
{
    FailureKind kind = FailureKind::Database;
    QString text;
};

/// The one way a store or module returns: a value, or a failure with its kind and text.
///
///     Result<int> id = store.add(record);
///     if (!id)
///         return tell(id.failure());
///     use(*id);
template <typename T> class [[nodiscard]] Result
{
public:
    Result(T value) : m_state(std::move(value)) {}
    Result(Failure failure) : m_state(std::move(failure)) {}

    bool ok() const { return m_state.index() == 0; }
    explicit operator bool() const { return ok(); }

    const T& value() const& { return std::get<0>(m_state); }
    T& value() & { return std::get<0>(m_state); }
    T&& value() && { return std::get<0>(std::move(m_state)); }
    const T& operator*() const& { return value(); }
    T& operator*() & { return value(); }
    const T* operator->() const { return &value(); }
    T* operator->() { return &value(); }
    T valueOr(T fallback) const { return ok() ? value() : std::move(fallback); }

    const Failure& failure() const { return std::get<1>(m_state); }
    FailureKind kind() const { return ok() ? FailureKind::None : failure().kind; }
    /// The failure's text; empty on success.
    QString error() const { return ok() ? QString() : failure().text; }

private:
    std::variant<T, Failure> m_state;
};

/// A result that carries nothing but success: Status ok = Done{}; or a Failure.
struct Done
{
};
using Status = Result<Done>;

inline Failure refused(QString text)
{
    return {FailureKind::Refused, std::move(text)};
}
inline Failure conflict(QString text)
{
    return {FailureKind::Conflict, std::move(text)};
}
inline Failure databaseFailure(QString text)
{
    return {FailureKind::Database, std::move(text)};
}
inline Failure fileFailure(QString text)
{
    return {FailureKind::File, std::move(text)};
}
inline Failure cancelled(QString text = {})
{
    return {FailureKind::Cancelled, std::move(text)};
}
