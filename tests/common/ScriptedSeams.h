#pragma once

#include "core/Seams.h"

#include <QList>
#include <QQueue>
#include <QStringList>

/// Test doubles for the seams: each records every call and answers from a queue.

struct MessageCall
{
    QString text;
    QString title;
    MsgIcon icon;
    MsgButtons buttons;
};

class ScriptedMessageBox final : public IMessageBox
{
public:
    MsgResult Show(const QString& text, const QString& title, MsgIcon icon, MsgButtons buttons) override;
    /// Every message shown so far as "title: text", one a line.
    QString Said() const;

    /// Answers for the next questions, in order. With none queued, an OK box answers Ok and any other Cancel/No.
    QQueue<MsgResult> answers;
    QList<MessageCall> calls;
};

class ScriptedFileDialog final : public IFileDialog
{
public:
    QString Choose(const FileRequest& request) override;

    QQueue<QString> answers; // an empty text means the user cancelled
    QList<FileRequest> calls;
};

class ScriptedDesktop final : public IDesktop
{
public:
    bool Open(const QUrl& url) override;

    QList<QUrl> opened;
    bool accept = true;
};

/// A printer that prints onto a PDF file, so a test reads back what went to the paper.
class ScriptedPrinter final : public IPrinter
{
public:
    QString DefaultPrinterName() const override { return defaultName; }
    bool PrintOnDefault(const QString& jobName, const std::function<bool(QPagedPaintDevice&)>& paint,
                        QString* error) override;

    QString defaultName; // empty: no printer installed
    QString paperPath;   // the PDF file each job is written to (the last job wins)
    QStringList jobs;    // the job names printed
};

class FixedClock final : public IClock
{
public:
    QDateTime Now() const override { return now; }
    QDateTime now;
};
