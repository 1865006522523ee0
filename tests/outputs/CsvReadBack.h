#pragma once

#include <QDebug>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStringList>

/// The records of a CSV file as Python's csv module reads them (read_csv.py), a reader nobody here wrote.
inline QList<QStringList> readCsvBack(const QString& path)
{
    QProcess python;
    python.start(QStringLiteral(ZEM_PYTHON), {QStringLiteral(ZEM_READ_CSV), path});
    if (!python.waitForFinished(30000) || python.exitCode() != 0)
        qWarning() << python.readAllStandardError();
    QList<QStringList> records;
    for (const QJsonValue& record : QJsonDocument::fromJson(python.readAllStandardOutput()).array())
        records << record.toVariant().toStringList();
    return records;
}
