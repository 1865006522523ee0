#pragma once

#include <QByteArray>
#include <QList>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>

/// The SQL a pg_restore of an archive sends to the server, read as the objects it makes, and what one such script
/// holds that another does not. A restore compares the archive's script with the script of the harbour's own
/// schema, so that nothing but rows comes in from a file made elsewhere.
namespace RestoreScript {

/// One entry of the script: its kind and name as pg_restore heads it ("TRIGGER", "customer customer_counter"), and
/// its statements line by line, trimmed, with the schema's name taken off the names it qualifies. The rows of a
/// table are left out: its entry keeps the COPY statement that brings them.
struct Entry
{
    QString type;
    QString name;
    QStringList lines;
};

/// The whole script: the statements before the first entry (the drops of --clean, the session's settings), then
/// the entries in the order they run.
struct Script
{
    QStringList preamble;
    QList<Entry> entries;
};

/// Reads a script line by line as pg_restore writes it; schemas are the ones its objects live in, whose names are
/// taken off the names they qualify (a script written from another schema then reads as the archive's).
class Reader
{
public:
    explicit Reader(const QStringList& schemas);
    /// One line of the script, with or without its line end.
    void addLine(QByteArray line);
    const Script& script() const { return m_script; }

private:
    QRegularExpression m_schemaPrefix;
    QRegularExpression m_searchPath;
    Script m_script;
    bool m_inRows = false;
};

/// What an archive's script holds beyond ours, named for the person ("a trigger customer_wipe on customer").
struct Differences
{
    QStringList foreign; // entries ours does not have, or has once where the archive has them twice
    QStringList changed; // entries ours has, with another definition
    QStringList missing; // entries ours has and the archive lacks
};

/// Compares an archive's script with ours. An archive of this program's schema version must match entry by entry.
/// One of an older version may lack entries, and columns of our tables; a function's definition may differ only
/// when its name is among rewritten (the upgrade from that version writes it again before anything can call it).
/// Every other entry must be exactly ours.
Differences compare(const Script& archive, const Script& ours, bool sameVersion, const QSet<QString>& rewritten);

/// Why an archive is refused, as the clause after its name ("it holds ..."), naming the first few of each kind;
/// empty when it holds nothing but ours.
QString refusal(const Differences& differences);

} // namespace RestoreScript
