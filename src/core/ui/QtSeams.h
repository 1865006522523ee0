#pragma once

#include "core/Seams.h"

#include <QCoreApplication>

/// The seams as the user meets them: Qt message boxes, file dialogs, the desktop's URL handler and the printer.

class QtMessageBox final : public IMessageBox
{
public:
    MsgResult show(const QString& text, const QString& title, MsgIcon icon, MsgButtons buttons) override;
    int choose(const QString& text, const QString& title, const QStringList& answers) override;
};

/// The desktop's file dialog, starting where the person last chose a file for the same purpose.
class QtFileDialog final : public IFileDialog
{
public:
    QString choose(const FileRequest& request) override;

private:
    static QString ask(const FileRequest& request, const QString& folder);
};

class QtDesktop final : public IDesktop
{
public:
    bool open(const QUrl& url) override;
};

class QtPrinter final : public IPrinter
{
    Q_DECLARE_TR_FUNCTIONS(QtPrinter)

public:
    QString defaultPrinterName() const override;
    Status printOnDefault(const QString& jobName, const std::function<bool(QPagedPaintDevice&)>& paint) override;
};
