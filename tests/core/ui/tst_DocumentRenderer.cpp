#include "common/PdfReader.h"
#include "common/TestSupport.h"
#include "core/ui/DocumentRenderer.h"
#include "core/ui/PdfPages.h"

#include <QFile>
#include <QPdfWriter>
#include <QPrintPreviewWidget>
#include <QPrinter>

// The document renderer: page breaks between records, wrapping, real page numbers, and the three ways out.
class tst_DocumentRenderer : public InstallTest
{
    Q_OBJECT

    QString pdfPath() const { return m_install->root() + u"/doc.pdf"_s; }

    /// records of lines lines each, "Record r line l", under a title, between a header and a numbered footer.
    static Doc::Document numbered(int records, int lines)
    {
        Doc::Document doc;
        doc.title = u"Numbered"_s;
        doc.reportHeader << Doc::text(u"Berths in use"_s, {.pointSize = 16, .bold = true});
        doc.pageHeader << Doc::text(u"Harbour list"_s, {.pointSize = 14, .bold = true}) << Doc::rule();
        doc.pageFooter << Doc::text(u"List: %p of %P"_s, {.align = Qt::AlignRight});
        for (int r = 1; r <= records; ++r) {
            Doc::Record record;
            for (int l = 1; l <= lines; ++l)
                record << Doc::field(u"Record %1"_s.arg(r), u"line %1"_s.arg(l));
            doc.body << record;
        }
        return doc;
    }

    /// Writes bytes to a file of the test's own and returns its path.
    QString saved(const QByteArray& bytes, int index) const
    {
        const QString path = m_install->root() + u"/each%1.pdf"_s.arg(index);
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? path : QString();
    }

    using PrintRow = std::tuple<QString, bool, QString, bool, bool>;
    using EachRow = std::tuple<QList<int>, bool>; // records of 7 lines per document; the second one landscape
    using RecordsRow = std::tuple<int, int>;

private slots:
    void recordsStayWholeAndPagesAreNumbered_data()
    {
        const DataRows<RecordsRow> row;
        row("one page", {3, 2});
        row("many one-line records", {150, 1});
        row("records of seven lines", {40, 7});
    }
    void recordsStayWholeAndPagesAreNumbered()
    {
        const auto& [records, lines] = fetchRow<RecordsRow>();
        const Status written = DocumentRenderer::writePdf(numbered(records, lines), pdfPath());
        QVERIFY2(written, qPrintable(written.error()));
        const int pageCount = PdfReader::pageCount(pdfPath());
        const QStringList pages = PdfReader::pages(pdfPath());
        QVERIFY2(pageCount > 0, "pdfinfo (poppler-utils) must be installed: tools/ensure-packages.sh");
        QCOMPARE(pages.size(), pageCount);
        if (records * lines > 100)
            QVERIFY(pageCount > 1);

        int nextRecord = 1;
        for (int p = 0; p < pageCount; ++p) {
            QStringList text = PdfReader::lines(pages[p]);
            if (p == 0)
                QCOMPARE(text.takeFirst(), u"Berths in use"_s);
            QCOMPARE(text.first(), u"Harbour list"_s);
            QCOMPARE(text.last(), u"List: %1 of %2"_s.arg(p + 1).arg(pageCount));
            // Every record on this page is whole: its lines in order, none left for the next page.
            const QStringList body = text.mid(1, text.size() - 2);
            QVERIFY(!body.isEmpty());
            QCOMPARE(body.size() % lines, 0);
            for (int i = 0; i < body.size(); ++i)
                QCOMPARE(body[i], u"Record %1 line %2"_s.arg(nextRecord + i / lines).arg(i % lines + 1));
            nextRecord += static_cast<int>(body.size()) / lines;
        }
        QCOMPARE(nextRecord, records + 1);
    }

    // Many documents through one writer, cut apart: each file reads exactly as that document written alone, its
    // own pages and title, none of its neighbours' text.
    void eachDocumentItsOwnPdf_data()
    {
        const DataRows<EachRow> row;
        row("one", {{3}, false});
        row("three of one page", {{2, 3, 1}, false});
        row("a long one between short ones", {{1, 60, 2}, false});
        row("a landscape one among them", {{2, 30, 2}, true});
    }
    void eachDocumentItsOwnPdf()
    {
        const auto& [records, landscape] = fetchRow<EachRow>();
        QList<Doc::Document> docs;
        for (qsizetype i = 0; i < records.size(); ++i) {
            Doc::Document doc = numbered(records[i], 7);
            doc.title = u"Letter %1"_s.arg(i + 1);
            doc.reportHeader = {Doc::text(u"Letter %1 of the run"_s.arg(i + 1))};
            if (landscape && i == 1)
                doc.orientation = QPageLayout::Landscape;
            docs << doc;
        }
        const auto each = DocumentRenderer::pdfBytesEach(docs);
        QVERIFY2(each, qPrintable(each.error()));
        QCOMPARE(each->size(), docs.size());
        for (qsizetype i = 0; i < docs.size(); ++i) {
            QVERIFY(DocumentRenderer::writePdf(docs[i], pdfPath()));
            const QString path = saved(each->at(i), int(i));
            QVERIFY(!path.isEmpty());
            const int pageCount = PdfReader::pageCount(path);
            QVERIFY2(pageCount > 0, "pdfinfo (poppler-utils) must be installed: tools/ensure-packages.sh");
            QCOMPARE(pageCount, PdfReader::pageCount(pdfPath()));
            QCOMPARE(PdfReader::pages(path), PdfReader::pages(pdfPath()));
            const QString info = PdfReader::run(u"pdfinfo"_s, {path}).value_or(QString());
            VERIFY_HAS(info, u"Letter %1"_s.arg(i + 1));
            QCOMPARE(info.contains(u"landscape"_s, Qt::CaseInsensitive) || info.contains(u"842 x 595"_s) ||
                         info.contains(u"841.89 x 595"_s),
                     landscape && i == 1);
        }
    }

    // A PDF not laid out as the renderer writes it, or pages it has not, are refused whole.
    void cuttingRefusesWhatItCannotRead_data()
    {
        QTest::addColumn<QByteArray>("pdf");
        QTest::addColumn<int>("firstPage");
        QTest::addColumn<int>("pageCount");
        const QByteArray two = *DocumentRenderer::pdfBytes(numbered(40, 7));
        QTest::newRow("not a PDF") << QByteArray("hello") << 0 << 1;
        QTest::newRow("cut short") << two.left(two.size() / 2) << 0 << 1;
        QTest::newRow("cross-reference spoilt") << QByteArray(two).replace("xref\n0 ", "xref\n7 ") << 0 << 1;
        QTest::newRow("past the last page") << two << 1 << 99;
        QTest::newRow("no pages") << two << 0 << 0;
        QTest::newRow("before the first page") << two << -1 << 1;
    }
    void cuttingRefusesWhatItCannotRead()
    {
        QFETCH(QByteArray, pdf);
        QFETCH(int, firstPage);
        QFETCH(int, pageCount);
        const auto cut = PdfPages::split(pdf, {PdfPages::Part{firstPage, pageCount, u"x"_s}});
        QVERIFY(!cut);
        QVERIFY(!cut.error().isEmpty());
    }

    void longTextWrapsAndBreaksBetweenLines()
    {
        // One record far taller than a page: the only case broken, between wrapped lines, nothing lost.
        QStringList words;
        for (int i = 0; i < 2500; ++i)
            words << u"w%1"_s.arg(i);
        Doc::Document doc;
        doc.pageFooter << Doc::text(u"Signature: ____"_s);
        doc.body << Doc::Record{Doc::field(u"Notes:"_s, words.join(u' '))};

        QPdfWriter writer(pdfPath());
        const QList<QStringList> pages = DocumentRenderer::paginate(doc, writer);
        QVERIFY(pages.size() >= 2);
        QStringList found;
        for (const QStringList& page : pages) {
            QCOMPARE(page.last(), u"Signature: ____"_s);
            for (const QString& line : page.mid(0, page.size() - 1))
                found << line.split(u' ', Qt::SkipEmptyParts);
        }
        QCOMPARE(found.takeFirst(), u"Notes:"_s); // the label once, before the text
        QCOMPARE(found, words);
        QVERIFY(pages.first().size() > 20); // wrapped onto many lines, not one
    }

    void rowsKeepTheirColumnsAndLandscapeTurns()
    {
        Doc::Document doc;
        doc.body << Doc::Record{Doc::row({{u"Name"_s, 3}, {u"Total"_s, 1, Qt::AlignRight}}, {.bold = true})};
        doc.body << Doc::Record{Doc::row({{u"A. Ferry"_s, 3}, {u"£1,234.50"_s, 1, Qt::AlignRight}})};
        QVERIFY(DocumentRenderer::writePdf(doc, pdfPath()));
        const auto name = PdfReader::wordBox(pdfPath(), u"Ferry"_s);
        const auto amount = PdfReader::wordBox(pdfPath(), u"£1,234.50"_s);
        const auto heading = PdfReader::wordBox(pdfPath(), u"Total"_s);
        QVERIFY(name && amount && heading);
        // A4 is 595 points wide with 15 mm (42.5 points) margins: the amounts end at the right margin, on one
        // line with the name, below their heading.
        QVERIFY2(amount->right() > 530 && amount->right() < 553, qPrintable(QString::number(amount->right())));
        QVERIFY(qAbs(amount->right() - heading->right()) < 1 && name->left() < 100);
        QVERIFY(qAbs(amount->center().y() - name->center().y()) < 1 && amount->top() > heading->bottom());
        // A landscape document turns the page.
        Doc::Document landscape = numbered(1, 1);
        landscape.orientation = QPageLayout::Landscape;
        QVERIFY(DocumentRenderer::writePdf(landscape, pdfPath()));
        const QString info = PdfReader::run(u"pdfinfo"_s, {pdfPath()}).value_or(QString());
        const auto size = QRegularExpression(u"Page size:\\s+([\\d.]+) x ([\\d.]+)"_s).match(info);
        QVERIFY2(size.hasMatch(), qPrintable(info));
        QVERIFY(size.captured(1).toDouble() > size.captured(2).toDouble());
    }

    void previewShowsEveryPageAndAnUnwritablePdfIsTold()
    {
        int pages = -1;
        onNextModal([&pages](QDialog* dialog) {
            if (auto* preview = dialog->findChild<QPrintPreviewWidget*>())
                pages = preview->pageCount();
        });
        DocumentRenderer::preview(numbered(150, 1), nullptr);
        QPrinter printer(QPrinter::HighResolution); // the preview's paper
        QCOMPARE(pages, DocumentRenderer::paginate(numbered(150, 1), printer).size());
        QVERIFY(pages > 1);
        // A PDF file that cannot be written is told.
        m_install->files.answers << m_install->root() + u"/no such folder/x.pdf"_s;
        QVERIFY(!DocumentRenderer::saveAsPdf(numbered(1, 1), m_install->services, u"x.pdf"_s));
        QCOMPARE(m_install->messages.calls.size(), 1);
        QCOMPARE(m_install->messages.calls[0].icon, MsgIcon::Critical);
        QVERIFY(m_install->messages.calls[0].text.contains(u"could not be written"_s));
    }

    // The preview's two ways out by keyboard: Ctrl+P prints on the default printer and closes the preview, Ctrl+S
    // saves a PDF file and leaves it open.
    void previewKeys_data()
    {
        const DataRows<std::tuple<int, bool>> row;
        row("Ctrl+P prints", {int(Qt::Key_P), true});
        row("Ctrl+S saves a PDF file", {int(Qt::Key_S), false});
    }
    void previewKeys()
    {
        const auto& [key, prints] = fetchRow<std::tuple<int, bool>>();
        m_install->printer.defaultName = u"Office"_s;
        const QString chosen = m_install->root() + u"/kept.pdf"_s;
        m_install->files.answers << chosen;
        bool stayedOpen = false;
        onNextModal([&, key = key](QDialog* dialog) {
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            QWidget* focus = dialog->focusWidget() ? dialog->focusWidget() : dialog;
            QTest::keyClick(focus, Qt::Key(key), Qt::ControlModifier);
            stayedOpen = dialog->isVisible();
        });
        DocumentRenderer::preview(numbered(2, 1), nullptr, &m_install->services, u"Numbered.pdf"_s);
        QCOMPARE(stayedOpen, !prints);
        QCOMPARE(m_install->printer.jobs, prints ? QStringList{u"Numbered"_s} : QStringList());
        QCOMPARE(m_install->files.calls.size(), prints ? 0 : 1);
        VERIFY_HAS(PdfReader::pages(prints ? m_install->printer.paperPath : chosen).value(0), u"Record 2"_s);
    }

    void printNow_data()
    {
        const DataRows<PrintRow> row;
        row("on the default printer", {u"Office"_s, false, QString(), true, false});
        row("no printer, PDF accepted", {QString(), true, u"receipt"_s, false, true});
        row("no printer, PDF declined", {QString(), false, QString(), false, false});
        row("no printer, file dialog cancelled", {QString(), true, QString(), false, false});
    }
    void printNow()
    {
        const auto& [printerName, saveAnswer, fileAnswer, printed, saved] = fetchRow<PrintRow>();
        m_install->printer.defaultName = printerName;
        m_install->messages.answers << (saveAnswer ? MsgResult::Yes : MsgResult::No);
        const QString chosen = fileAnswer.isEmpty() ? QString() : m_install->root() + u'/' + fileAnswer;
        m_install->files.answers << chosen;

        QCOMPARE(DocumentRenderer::printNow(numbered(2, 1), m_install->services, u"Numbered.pdf"_s), printed || saved);

        QCOMPARE(m_install->printer.jobs, printed ? QStringList{u"Numbered"_s} : QStringList());
        QCOMPARE(QFile::exists(m_install->printer.paperPath), printed);
        if (printed)
            QVERIFY(PdfReader::pages(m_install->printer.paperPath).value(0).contains(u"Record 2"_s));
        // Without a printer the user is told and asked; with one nothing is asked.
        QCOMPARE(m_install->messages.calls.size(), printerName.isEmpty() ? 1 : 0);
        if (printerName.isEmpty()) {
            QVERIFY(m_install->messages.calls[0].text.startsWith(u"No printer is installed."_s));
            QCOMPARE(m_install->files.calls.size(), saveAnswer ? 1 : 0);
            QCOMPARE(m_install->files.calls.value(0).proposedName, saveAnswer ? u"Numbered.pdf"_s : QString());
        }
        QCOMPARE(QFile::exists(chosen + u".pdf"_s), saved);
        if (saved)
            QCOMPARE(PdfReader::pageCount(chosen + u".pdf"_s), 1);
    }
};

ZEM_TEST(tst_DocumentRenderer)
#include "tst_DocumentRenderer.moc"
