#include "TsChecks.h"

#include "core/ui/Mnemonics.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

namespace TsChecks {
namespace {

QString keyOf(const Message& m)
{
    return m.context + QChar(0x1f) + m.source + QChar(0x1f) + m.comment;
}

QString nameOf(const Message& m)
{
    return QStringLiteral("%1: \"%2\"").arg(m.context, m.source);
}

// "%1", "%L2", "%n" and how often each appears; "%L1" counts as "%1".
QMap<QString, int> placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%L?(\\d{1,2}|n)"));
    QMap<QString, int> found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        ++found[u'%' + it.next().captured(1)];
    return found;
}

QString leading(const QString& text)
{
    qsizetype at = 0;
    while (at < text.size() && text.at(at).isSpace())
        ++at;
    return text.left(at);
}

QString trailing(const QString& text)
{
    qsizetype at = text.size();
    while (at > 0 && text.at(at - 1).isSpace())
        --at;
    return text.mid(at);
}

QString shown(const QString& text)
{
    QString escaped = text;
    return escaped.replace(u'\n', QStringLiteral("\\n"));
}

// The faults of one translated text against its source.
QStringList formFaults(const QString& source, const QString& form)
{
    QStringList faults;
    if (form.trimmed().isEmpty())
        return {QStringLiteral("empty")};
    const QMap<QString, int> wanted = placeholders(source);
    const QMap<QString, int> given = placeholders(form);
    if (wanted != given) {
        QStringList keys = wanted.keys() + given.keys();
        keys.removeDuplicates();
        for (const QString& key : std::as_const(keys))
            if (wanted.value(key) != given.value(key))
                faults << QStringLiteral("%1 appears %2 times, not %3")
                              .arg(key, QString::number(given.value(key)), QString::number(wanted.value(key)));
    }
    const bool sourceHasLetter = !Mnemonics::letterOf(source).isNull();
    const bool formHasLetter = !Mnemonics::letterOf(form).isNull();
    if (sourceHasLetter && !formHasLetter)
        faults << QStringLiteral("the accelerator (&) is lost");
    else if (!sourceHasLetter && formHasLetter)
        faults << QStringLiteral("a single & makes an accelerator the source does not have (write && for &)");
    if (source.count(QStringLiteral("&&")) != form.count(QStringLiteral("&&")))
        faults << QStringLiteral("&& (an ampersand) appears %1 times, not %2")
                      .arg(form.count(QStringLiteral("&&")))
                      .arg(source.count(QStringLiteral("&&")));
    if (leading(source) != leading(form) || trailing(source) != trailing(form))
        faults << QStringLiteral("leading or trailing spaces differ: \"%1\"").arg(shown(form));
    if (source.count(u'\n') != form.count(u'\n'))
        faults << QStringLiteral("%1 line breaks, not %2").arg(form.count(u'\n')).arg(source.count(u'\n'));
    return faults;
}

} // namespace

Result<File> read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fileFailure(QStringLiteral("%1 cannot be read: %2").arg(path, file.errorString()));
    QXmlStreamReader xml(&file);
    File ts;
    QString context;
    Message* message = nullptr;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement && xml.name() == u"message")
            message = nullptr;
        if (token != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == u"TS") {
            ts.language = xml.attributes().value(QStringLiteral("language")).toString().section(u'_', 0, 0);
        } else if (name == u"name" && !message) {
            context = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (name == u"message") {
            ts.messages.append(
                Message{context, {}, {}, xml.attributes().value(QStringLiteral("numerus")) == u"yes", {}, {}});
            message = &ts.messages.last();
        } else if (message && name == u"source") {
            message->source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (message && name == u"comment") {
            message->comment = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (message && name == u"translation") {
            message->type = xml.attributes().value(QStringLiteral("type")).toString();
            if (!message->numerus)
                message->forms << xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (message && name == u"numerusform") {
            message->forms << xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    if (xml.hasError())
        return fileFailure(QStringLiteral("%1 is not a translation file: %2 (line %3)")
                               .arg(path, xml.errorString())
                               .arg(xml.lineNumber()));
    return ts;
}

int pluralForms(const QString& language)
{
    // Qt's numerus rules: one form for n == 1 (French: n <= 1), one for the rest.
    static const QSet<QString> twoForms{QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("nl"),
                                        QStringLiteral("fr"), QStringLiteral("it"), QStringLiteral("es")};
    return twoForms.contains(language) ? 2 : 0;
}

QStringList faultsOf(const Message& message, int pluralForms)
{
    if (message.type == u"vanished" || message.type == u"obsolete")
        return {};
    const QString name = nameOf(message);
    if (message.type == u"unfinished")
        return {name + QStringLiteral(": unfinished")};
    if (message.numerus && message.forms.size() != pluralForms)
        return {name + QStringLiteral(": %1 plural forms, not %2").arg(message.forms.size()).arg(pluralForms)};
    QStringList faults;
    for (qsizetype i = 0; i < message.forms.size(); ++i) {
        const QString form = message.numerus ? QStringLiteral(" (form %1)").arg(i + 1) : QString();
        for (const QString& fault : formFaults(message.source, message.forms.at(i)))
            faults << name + form + QStringLiteral(": ") + fault;
    }
    return faults;
}

QStringList faultsOf(const File& translated, const File& sources)
{
    QStringList faults;
    const int forms = pluralForms(translated.language);
    if (forms == 0)
        faults << QStringLiteral("the language \"%1\" has no plural rule here").arg(translated.language);
    QSet<QString> present;
    for (const Message& message : translated.messages) {
        faults << faultsOf(message, forms);
        if (message.type != u"vanished" && message.type != u"obsolete")
            present.insert(keyOf(message));
    }
    for (const Message& message : sources.messages)
        if (!present.contains(keyOf(message)))
            faults << nameOf(message) + QStringLiteral(": missing from the translation file");
    return faults;
}

} // namespace TsChecks
