#include "common/ScriptedSeams.h"

MsgResult ScriptedMessageBox::show(const QString& text, const QString& title, MsgIcon icon, MsgButtons buttons)
{
    calls.append({text, title, icon, buttons, {}});
    if (!answers.isEmpty())
        return answers.dequeue();
    switch (buttons) {
    case MsgButtons::Ok:
        return MsgResult::Ok;
    case MsgButtons::YesNo:
        return MsgResult::No;
    default:
        return MsgResult::Cancel;
    }
}

int ScriptedMessageBox::choose(const QString& text, const QString& title, const QStringList& answers)
{
    calls.append({text, title, MsgIcon::Question, MsgButtons::OkCancel, answers});
    return chosen.isEmpty() ? 0 : chosen.dequeue();
}

QString ScriptedMessageBox::said() const
{
    QStringList lines;
    for (const MessageCall& call : calls)
        lines << call.title + QStringLiteral(": ") + call.text;
    return lines.join(u'\n');
}

QString ScriptedFileDialog::choose(const FileRequest& request)
{
    calls.append(request);
    return answers.isEmpty() ? QString() : answers.dequeue();
}

bool ScriptedDesktop::open(const QUrl& url)
{
    opened.append(url);
    return accept;
}

Status ScriptedPrinter::printOnDefault(const QString& jobName, const std::function<bool(QPagedPaintDevice&)>& paint)
{
    if (defaultName.isEmpty())
        return fileFailure(QStringLiteral("no printer"));
    jobs << jobName;
    if (!paper)
        return fileFailure(QStringLiteral("no paper"));
    if (!paper(paperPath, paint))
        return fileFailure(QStringLiteral("the paper took no pages"));
    return Done{};
}
