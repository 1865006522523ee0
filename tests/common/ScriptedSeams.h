#pragma once

#include "core/Seams.h"

#include <QList>
#include <QQueue>
#include <QStringList>
#include <functional>

/// Test doubles for the seams: each records every call and answers from a queue.

struct MessageCall
{
    QString text;
    QString title;
    MsgIcon icon;
    MsgButtons buttons;
    QStringList answers; // a question's named buttons; empty for the standard ones
};

class ScriptedMessageBox final : public IMessageBox
{
public:
    MsgResult show(const QString& text, const QString& title, MsgIcon icon, MsgButtons buttons) override;
    /// Answers from chosen; with none queued, the default (the first answer).
    int choose(const QString& text, const QString& title, const QStringList& answers) override;
    /// Every message shown so far as "title: text", one a line.
    QString said() const;

    /// Answers for the next questions, in order. With none queued, an OK box answers Ok and any other Cancel/No.
    QQueue<MsgResult> answers;
    /// Answers for the next questions with named buttons: an index, -1 for Cancel.
    QQueue<int> chosen;
    QList<MessageCall> calls;
};

class ScriptedFileDialog final : public IFileDialog
{
public:
    QString choose(const FileRequest& request) override;

    QQueue<QString> answers; // an empty text means the user cancelled
    QList<FileRequest> calls;
};

class ScriptedDesktop final : public IDesktop
{
public:
    bool open(const QUrl& url) override;

    QList<QUrl> opened;
    bool accept = true;
};

/// A printer that prints onto a PDF file, so a test reads back what went to the paper.
class ScriptedPrinter final : public IPrinter
{
public:
    QString defaultPrinterName() const override { return defaultName; }
    Status printOnDefault(const QString& jobName, const std::function<bool(QPagedPaintDevice&)>& paint) override;

    QString defaultName; // empty: no printer installed
    QString paperPath;   // the PDF file each job is written to (the last job wins)
    QStringList jobs;    // the job names printed

    /// Lays one job onto the PDF file at path. The window suites' main sets it: the widget-free fixture has no
    /// paint device of its own.
    using Paper = std::function<bool(const QString& path, const std::function<bool(QPagedPaintDevice&)>& paint)>;
    static inline Paper paper;
};

class FixedClock final : public IClock
{
public:
    QDateTime now() const override { return current; }
    QDateTime current;
};
