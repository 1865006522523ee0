#include "core/ui/QtSeams.h"

#include "core/Registry.h"
#include "core/ui/WindowPlacement.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

MsgResult QtMessageBox::show(const QString& text, const QString& title, MsgIcon icon, MsgButtons buttons)
{
    // With a parent the box opens centred over it.
    QMessageBox box(WindowPlacement::owner());
    box.setText(text);
    box.setWindowTitle(title);
    switch (icon) {
    case MsgIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MsgIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MsgIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MsgIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MsgIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    switch (buttons) {
    case MsgButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MsgButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MsgButtons::YesNo:
        // Every Yes/No question deletes something or ends something: Enter must not do it by accident.
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case MsgButtons::RetryCancel:
        box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MsgResult::Yes;
    case QMessageBox::No:
        return MsgResult::No;
    case QMessageBox::Cancel:
        return MsgResult::Cancel;
    case QMessageBox::Retry:
        return MsgResult::Retry;
    default:
        return buttons == MsgButtons::Ok ? MsgResult::Ok : MsgResult::Cancel;
    }
}

int QtMessageBox::choose(const QString& text, const QString& title, const QStringList& answers)
{
    QMessageBox box(WindowPlacement::owner());
    box.setText(text);
    box.setWindowTitle(title);
    box.setIcon(QMessageBox::Question);
    QList<QAbstractButton*> buttons;
    for (const QString& answer : answers)
        buttons << box.addButton(answer, QMessageBox::AcceptRole);
    QAbstractButton* cancel = box.addButton(QMessageBox::Cancel);
    box.setEscapeButton(cancel);
    if (!buttons.isEmpty())
        box.setDefaultButton(qobject_cast<QPushButton*>(buttons.first()));
    box.exec();
    return int(buttons.indexOf(box.clickedButton()));
}

QString QtFileDialog::choose(const FileRequest& request)
{
    const QString chosen = ask(request, Settings::startFolder(request.title, request.folder));
    Settings::rememberFolder(request.title, chosen);
    return chosen;
}

QString QtFileDialog::ask(const FileRequest& request, const QString& folder)
{
    QString selected = request.selectedFilter;
    QString start = folder;
    if (!request.proposedName.isEmpty())
        start = QDir(folder).filePath(request.proposedName);
    if (request.save && !request.defaultSuffix.isEmpty()) {
        // The dialog adds the suffix before it asks about overwriting, so the question names the real file.
        QFileDialog dialog(WindowPlacement::owner(), request.title, start, request.filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(request.defaultSuffix);
        if (!selected.isEmpty())
            dialog.selectNameFilter(selected);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }
    if (request.save)
        return QFileDialog::getSaveFileName(WindowPlacement::owner(), request.title, start, request.filter, &selected);
    return QFileDialog::getOpenFileName(WindowPlacement::owner(), request.title, start, request.filter, &selected);
}

bool QtDesktop::open(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

QString QtPrinter::defaultPrinterName() const
{
    return QPrinterInfo::defaultPrinterName();
}

Status QtPrinter::printOnDefault(const QString& jobName, const std::function<bool(QPagedPaintDevice&)>& paint)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return fileFailure(tr("No default printer is installed."));
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(jobName);
    printer.setPrintRange(QPrinter::AllPages);
    if (!printer.isValid() || !paint(printer))
        return fileFailure(tr("The printer %1 did not accept the document.").arg(info.printerName()));
    return Done{};
}
