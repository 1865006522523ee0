#include "maintenance/RestoreScript.h"

#include <QCoreApplication>
#include <QHash>

namespace RestoreScript {

namespace {

QString key(const Entry& entry)
{
    return entry.type + u'\x1f' + entry.name;
}

/// An entry's statements as one text. A sequence's position is data: the number and whether it was used go.
QString definition(const Entry& entry)
{
    QString text = entry.lines.join(u' ').simplified();
    if (entry.type == u"SEQUENCE SET") {
        static const QRegularExpression position(
            QStringLiteral(R"(^(SELECT pg_catalog\.setval\('[^']*', )\d+, (true|false)\);$)"));
        text.replace(position, QStringLiteral("\\1?, ?);"));
    }
    return text;
}

/// The column lines of a CREATE TABLE entry (without their commas); empty when it is not one.
QStringList columnsOfTable(const Entry& entry)
{
    const QStringList& lines = entry.lines;
    if (lines.size() < 3 || !lines.first().startsWith(u"CREATE TABLE ") || !lines.first().endsWith(u" (") ||
        lines.last() != u");")
        return {};
    QStringList columns = lines.mid(1, lines.size() - 2);
    for (QString& column : columns)
        if (column.endsWith(u','))
            column.chop(1);
    return columns;
}

/// The table and columns of a data entry's one COPY statement; no table when it is not one.
std::pair<QString, QStringList> columnsOfCopy(const Entry& entry)
{
    static const QRegularExpression copy(QStringLiteral(R"(^COPY (\S+) \(([^()]*)\) FROM stdin;$)"));
    const auto match = entry.lines.size() == 1 ? copy.match(entry.lines.first()) : QRegularExpressionMatch();
    if (!match.hasMatch())
        return {};
    return {match.captured(1), match.captured(2).split(QStringLiteral(", "))};
}

bool contains(const QStringList& ours, const QStringList& theirs)
{
    for (const QString& item : theirs)
        if (!ours.contains(item))
            return false;
    return true;
}

/// Whether an archive's entry is what an older version of ours made: a table with some of our columns, the rows of
/// such a table, or a function the upgrade writes again.
bool olderFormOf(const Entry& theirs, const Entry& ours, const QSet<QString>& rewritten)
{
    if (theirs.type == u"FUNCTION")
        return rewritten.contains(theirs.name.section(u'(', 0, 0));
    if (theirs.type == u"TABLE") {
        const QStringList columns = columnsOfTable(theirs);
        return !columns.isEmpty() && theirs.lines.first() == ours.lines.first() &&
               contains(columnsOfTable(ours), columns);
    }
    if (theirs.type == u"TABLE DATA") {
        const auto [table, columns] = columnsOfCopy(theirs);
        const auto [ourTable, ourColumns] = columnsOfCopy(ours);
        return !table.isEmpty() && table == ourTable && contains(ourColumns, columns);
    }
    return false;
}

/// An entry as the person reads it: "a trigger customer_wipe on customer".
QString describe(const Entry& entry)
{
    QString name = entry.name;
    // pg_restore names what belongs to a table by the table first.
    static const QSet<QString> onTable = {QStringLiteral("TRIGGER"),       QStringLiteral("CONSTRAINT"),
                                          QStringLiteral("FK CONSTRAINT"), QStringLiteral("CHECK CONSTRAINT"),
                                          QStringLiteral("DEFAULT"),       QStringLiteral("RULE"),
                                          QStringLiteral("POLICY")};
    if (onTable.contains(entry.type) && name.contains(u' '))
        name = QCoreApplication::translate("RestoreScript", "%1 on %2")
                   .arg(name.section(u' ', 1), name.section(u' ', 0, 0));
    static const QHash<QString, const char*> phrases = {
        {QStringLiteral("TABLE"), QT_TRANSLATE_NOOP("RestoreScript", "a table %1")},
        {QStringLiteral("TABLE DATA"), QT_TRANSLATE_NOOP("RestoreScript", "the rows of a table %1")},
        {QStringLiteral("FUNCTION"), QT_TRANSLATE_NOOP("RestoreScript", "a function %1")},
        {QStringLiteral("PROCEDURE"), QT_TRANSLATE_NOOP("RestoreScript", "a procedure %1")},
        {QStringLiteral("TRIGGER"), QT_TRANSLATE_NOOP("RestoreScript", "a trigger %1")},
        {QStringLiteral("INDEX"), QT_TRANSLATE_NOOP("RestoreScript", "an index %1")},
        {QStringLiteral("VIEW"), QT_TRANSLATE_NOOP("RestoreScript", "a view %1")},
        {QStringLiteral("RULE"), QT_TRANSLATE_NOOP("RestoreScript", "a rule %1")},
        {QStringLiteral("POLICY"), QT_TRANSLATE_NOOP("RestoreScript", "a policy %1")},
        {QStringLiteral("SEQUENCE"), QT_TRANSLATE_NOOP("RestoreScript", "a sequence %1")},
        {QStringLiteral("DEFAULT"), QT_TRANSLATE_NOOP("RestoreScript", "a column default %1")},
        {QStringLiteral("CONSTRAINT"), QT_TRANSLATE_NOOP("RestoreScript", "a constraint %1")},
        {QStringLiteral("FK CONSTRAINT"), QT_TRANSLATE_NOOP("RestoreScript", "a constraint %1")},
        {QStringLiteral("CHECK CONSTRAINT"), QT_TRANSLATE_NOOP("RestoreScript", "a constraint %1")}};
    if (const auto phrase = phrases.constFind(entry.type); phrase != phrases.cend())
        return QCoreApplication::translate("RestoreScript", *phrase).arg(name);
    return QCoreApplication::translate("RestoreScript", "a %1 %2").arg(entry.type.toLower(), name);
}

/// The first few items of a list, joined for a sentence.
QString listed(QStringList items)
{
    constexpr int Shown = 4;
    const qsizetype more = items.size() - Shown;
    if (more > 0) {
        items = items.mid(0, Shown);
        items << QCoreApplication::translate("RestoreScript", "%1 more").arg(more);
    }
    const QString last = items.takeLast();
    return items.isEmpty()
               ? last
               : QCoreApplication::translate("RestoreScript", "%1 and %2").arg(items.join(QStringLiteral(", ")), last);
}

} // namespace

Reader::Reader(const QStringList& schemas)
{
    QStringList names;
    for (const QString& schema : schemas)
        names << QRegularExpression::escape(schema);
    m_schemaPrefix.setPattern(QStringLiteral(R"((?<![\w".$])(?:%1)\.)").arg(names.join(u'|')));
    // A function that fixes its search path names its schema there.
    m_searchPath.setPattern(QStringLiteral(R"((SET search_path TO )'(?:%1)')").arg(names.join(u'|')));
}

void Reader::addLine(QByteArray line)
{
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    // A table's rows run to their end mark; they are data, whatever they hold, and are not read.
    if (m_inRows) {
        if (line == "\\.")
            m_inRows = false;
        return;
    }
    const QString text = QString::fromUtf8(line).trimmed();
    static const QRegularExpression header(
        QStringLiteral("^-- (?:Data for )?Name: (.*); Type: (.*); Schema: (.*); Owner: (.*)$"));
    if (const auto heading = header.match(text); heading.hasMatch()) {
        m_script.entries.append({heading.captured(2), heading.captured(1), {}});
        return;
    }
    // Comments, psql's guard against the text being fed to it by another hand (never sent to a server), and the
    // settings pg_restore itself writes from the archive's encoding and each table's storage.
    if (text.isEmpty() || text.startsWith(u"--") || text.startsWith(u"\\restrict ") ||
        text.startsWith(u"\\unrestrict ") || text.startsWith(u"SET client_encoding = ") ||
        text == u"SET default_tablespace = '';" || text == u"SET default_table_access_method = heap;")
        return;
    QString statement = text;
    statement.remove(m_schemaPrefix);
    statement.replace(m_searchPath, QStringLiteral("\\1''"));
    (m_script.entries.isEmpty() ? m_script.preamble : m_script.entries.last().lines) << statement;
    if (text.startsWith(u"COPY ") && text.endsWith(u" FROM stdin;"))
        m_inRows = true;
}

Differences compare(const Script& archive, const Script& ours, bool sameVersion, const QSet<QString>& rewritten)
{
    QHash<QString, const Entry*> byKey;
    for (const Entry& entry : ours.entries)
        byKey.insert(key(entry), &entry);
    Differences differences;
    QSet<QString> seen;
    for (const Entry& entry : archive.entries) {
        const Entry* mine = byKey.value(key(entry));
        if (!mine || seen.contains(key(entry))) {
            differences.foreign << describe(entry);
            continue;
        }
        seen.insert(key(entry));
        if (definition(entry) != definition(*mine) && (sameVersion || !olderFormOf(entry, *mine, rewritten)))
            differences.changed << describe(entry);
    }
    // The drops --clean runs first, and the session's settings: each one of ours, used once. A foreign entry brings
    // its drop with it; the entry names it better.
    QHash<QString, int> statements;
    for (const QString& line : ours.preamble)
        ++statements[line];
    QStringList statementsNotOurs;
    for (const QString& line : archive.preamble)
        if (--statements[line] < 0)
            statementsNotOurs << QCoreApplication::translate("RestoreScript", "a statement \"%1\"").arg(line.left(80));
    if (differences.foreign.isEmpty())
        differences.foreign = statementsNotOurs;
    if (sameVersion)
        for (const Entry& entry : ours.entries)
            if (!seen.contains(key(entry)))
                differences.missing << describe(entry);
    return differences;
}

QString refusal(const Differences& differences)
{
    if (!differences.foreign.isEmpty())
        return (differences.foreign.size() == 1
                    ? QCoreApplication::translate("RestoreScript",
                                                  "it holds %1 that is not part of a harbour database.")
                    : QCoreApplication::translate("RestoreScript",
                                                  "it holds %1 that are not part of a harbour database."))
            .arg(listed(differences.foreign));
    if (!differences.changed.isEmpty())
        return (differences.changed.size() == 1
                    ? QCoreApplication::translate("RestoreScript", "it holds %1 with a definition that is not ours.")
                    : QCoreApplication::translate("RestoreScript", "it holds %1 with definitions that are not ours."))
            .arg(listed(differences.changed));
    if (!differences.missing.isEmpty())
        return QCoreApplication::translate("RestoreScript", "it lacks %1 of a harbour database.")
            .arg(listed(differences.missing));
    return {};
}

} // namespace RestoreScript
