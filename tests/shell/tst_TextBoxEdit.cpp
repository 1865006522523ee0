#include "common/TestMain.h"
#include "shell/cTextBoxEdit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>

class tst_TextBoxEdit : public QObject
{
    Q_OBJECT

private slots:
    void replaceSelectionKeepsUndoOnlyWhenAsked_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("single line") << "line";
        QTest::newRow("plain multi-line") << "plain";
        QTest::newRow("rich multi-line") << "rich";
    }
    void replaceSelectionKeepsUndoOnlyWhenAsked()
    {
        QFETCH(QString, kind);
        std::unique_ptr<QWidget> box;
        if (kind == QStringLiteral("line"))
            box = std::make_unique<QLineEdit>();
        else if (kind == QStringLiteral("plain"))
            box = std::make_unique<QPlainTextEdit>();
        else
            box = std::make_unique<QTextEdit>();
        QVERIFY(cTextBoxEdit::IsTextBox(box.get()));
        cTextBoxEdit edit;
        edit.SetTextBox(box.get());
        QTest::keyClicks(box.get(), QStringLiteral("Pontoon"));
        const auto text = [&] { return box->property(kind == QStringLiteral("line") ? "text" : "plainText").toString(); };

        edit.ReplaceSelection(QStringLiteral("x"), true); // no selection: nothing happens
        QCOMPARE(text(), QStringLiteral("Pontoon"));
        edit.SelectAll();
        QVERIFY(edit.CanCut() && edit.CanCopy());
        edit.ReplaceSelection(QStringLiteral("Slip"), true);
        QCOMPARE(text(), QStringLiteral("Slip"));
        QVERIFY(edit.CanUndo());
        edit.Undo();
        QCOMPARE(text(), QStringLiteral("Pontoon"));

        edit.SelectAll();
        edit.Delete();
        QCOMPARE(text(), QString());
        QVERIFY(!edit.CanUndo());
    }

    void readOnlyBoxRefusesChanges()
    {
        QLineEdit box(QStringLiteral("Mooring 4"));
        box.setReadOnly(true);
        box.selectAll();
        cTextBoxEdit edit;
        edit.SetTextBox(&box);
        QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
        QVERIFY(!edit.CanCut());
        QVERIFY(edit.CanCopy());
        QVERIFY(edit.CanPaste());
        edit.Cut();
        edit.Paste();
        edit.Delete();
        QCOMPARE(box.text(), QStringLiteral("Mooring 4"));
        edit.Copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Mooring 4"));
    }

    void forgetsABoxThatWentAway()
    {
        cTextBoxEdit edit;
        {
            QLineEdit box(QStringLiteral("gone"));
            box.selectAll();
            edit.SetTextBox(&box);
            QVERIFY(edit.CanCopy());
        }
        QVERIFY(!edit.TextBox());
        QVERIFY(!edit.CanCopy() && !edit.CanPaste() && !edit.CanUndo());
        edit.SelectAll(); // does nothing, and does not crash
    }
};

ZEM_TEST(tst_TextBoxEdit)
#include "tst_TextBoxEdit.moc"
