#pragma once

#include "core/Result.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

class QPagedPaintDevice;

/// Everything that reaches a person or the outside world goes through these small interfaces, so that tests can
/// script the answers and no test ever waits on a dialog, a printer, a browser or the real date.

enum class MsgIcon
{
    None,
    Information,
    Question,
    Exclamation,
    Critical
};
/// YesNo questions (deletions, end of workday) have No as their default button.
enum class MsgButtons
{
    Ok,
    OkCancel,
    YesNo,
    YesNoCancel,
    RetryCancel
};
enum class MsgResult
{
    Ok,
    Cancel,
    Yes,
    No,
    Retry
};

class IMessageBox
{
public:
    virtual ~IMessageBox() = default;
    /// Shows a message and waits for the answer.
    virtual MsgResult show(const QString& text, const QString& title, MsgIcon icon = MsgIcon::None,
                           MsgButtons buttons = MsgButtons::Ok) = 0;
    /// A question whose buttons say what they do ("&Keep £317.25", "&Reprice to £229.13"), for answers that change
    /// money. The first answer is the default, so it must be the safe one; Cancel is offered beside them. The
    /// index of the answer chosen, or -1 for Cancel. A box that cannot name its buttons takes the default.
    virtual int choose(const QString& /*text*/, const QString& /*title*/, const QStringList& /*answers*/) { return 0; }
};

struct FileRequest
{
    QString title;
    QString folder;         // where the dialog starts
    QString proposedName;   // file name proposed in a save dialog
    QString filter;         // Qt filter text: "Log Files (*.log);;All Files (*)"
    QString selectedFilter; // one of the filter entries
    QString defaultSuffix;  // added to a saved name typed without one ("html")
    bool save = false;
};

class IFileDialog
{
public:
    virtual ~IFileDialog() = default;
    /// The chosen file's full path, or an empty text when the user cancelled.
    virtual QString choose(const FileRequest& request) = 0;
};

class IDesktop
{
public:
    virtual ~IDesktop() = default;
    /// Hands a web or mailto: address to the desktop; reports whether it was accepted.
    virtual bool open(const QUrl& url) = 0;
};

/// The hand-off to the default printer. Documents are painted by the caller onto the device it is given, so a
/// test can stand in a PDF file for the printer and no test depends on an installed printer.
class IPrinter
{
public:
    virtual ~IPrinter() = default;
    /// The default printer's name; empty when no printer is installed.
    virtual QString defaultPrinterName() const = 0;
    /// Prints at once on the default printer, all pages, without a dialog: paint draws every page onto the
    /// device. A File failure with the reason when the printer cannot be reached or paint failed.
    virtual Status printOnDefault(const QString& jobName, const std::function<bool(QPagedPaintDevice&)>& paint) = 0;
};

/// All date-times in this program are wall-clock values without a time zone. They are held as QDateTime with
/// Qt::UTC as a neutral time setting, so adding minutes never meets a daylight-saving gap or fold.
class IClock
{
public:
    virtual ~IClock() = default;
    virtual QDateTime now() const = 0;
};

/// The local wall-clock time of the machine.
class SystemClock final : public IClock
{
public:
    QDateTime now() const override;
};

/// The office's event log: one entry for each thing done (a booking saved, a backup made), stamped with the time.
class IEventLog
{
public:
    virtual ~IEventLog() = default;
    virtual void log(int code, const QString& description = {}) = 0;
};

/// The seams one window needs, passed in from the main window (never reached through globals).
struct Services
{
    IMessageBox& messages;
    IFileDialog& files;
    IDesktop& desktop;
    IClock& clock;
    IEventLog& events;
    /// The name of the database connection the windows work on. Looked up on every use, so a window never keeps a
    /// handle that maintenance has closed and reopened.
    QString connectionName;
    /// The printer hand-off; nothing means no printer can be reached (documents are offered as PDF files).
    IPrinter* printer = nullptr;

    QSqlDatabase db() const { return QSqlDatabase::database(connectionName, false); }
};
