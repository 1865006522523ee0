#include "common/TestSupport.h"
#include "core/ui/SmallDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>

// The parts the small dialogs share, as a clerk meets them: Alt and a label's letter reach its control in a form or
// on a line, the foot's buttons close or act, and a window's opener never takes Enter from the window it sits in.
class tst_SmallDialog : public QObject
{
    Q_OBJECT

    // Two boxes under "&From:" and "&To:", laid out as a form under a note or side by side on a line.
    struct Boxes
    {
        QDialog dialog;
        QLineEdit* from = new QLineEdit(&dialog);
        QLineEdit* to = new QLineEdit(&dialog);
        explicit Boxes(bool inLine)
        {
            const QList<SmallDialog::Row> rows{{u"&From:"_s, from}, {u"&To:"_s, to}};
            if (inLine) {
                auto* layout = new QVBoxLayout(&dialog);
                layout->addLayout(SmallDialog::line(rows, nullptr));
            } else {
                SmallDialog::form(&dialog, u"A note above the rows."_s, rows);
            }
        }
    };

private slots:
    void lettersReachTheirBoxes_data()
    {
        QTest::addColumn<bool>("inLine");
        QTest::newRow("a form under a note") << false;
        QTest::newRow("side by side on a line") << true;
    }
    void lettersReachTheirBoxes()
    {
        QFETCH(bool, inLine);
        Boxes boxes(inLine);
        QVERIFY(showActive(boxes.dialog));
        boxes.from->setFocus();
        QTest::keyClick(boxes.from, Qt::Key_T, Qt::AltModifier);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(boxes.to));
        QTest::keyClick(boxes.to, Qt::Key_F, Qt::AltModifier);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(boxes.from));
        QCOMPARE(boxes.dialog.findChildren<QLabel*>().size(), inLine ? 2 : 3);
    }

    void footActsOrCloses_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<int>("accepted");
        QTest::newRow("save: the dialog decides") << u"cmdSave"_s << false << 1;
        QTest::newRow("an action: the dialog decides") << u"cmdBill"_s << false << 0;
        QTest::newRow("cancel closes") << u"cmdCancel"_s << true << 0;
    }
    void footActsOrCloses()
    {
        QFETCH(QString, button);
        QFETCH(bool, closes);
        QFETCH(int, accepted);
        QDialog dialog;
        auto* layout = new QVBoxLayout(&dialog);
        QDialogButtonBox* foot =
            SmallDialog::foot(&dialog, {{u"&Bill..."_s, u"cmdBill"_s, QDialogButtonBox::ActionRole},
                                        {u"&Save"_s, u"cmdSave"_s, QDialogButtonBox::AcceptRole},
                                        {u"&Cancel"_s, u"cmdCancel"_s}});
        layout->addWidget(foot);
        QStringList made;
        for (const QPushButton* b : dialog.findChildren<QPushButton*>())
            made << b->objectName() + u' ' + b->text();
        QCOMPARE(made, QStringList({u"cmdBill &Bill..."_s, u"cmdSave &Save"_s, u"cmdCancel &Cancel"_s}));
        QSignalSpy saved(foot, &QDialogButtonBox::accepted);
        QVERIFY(showActive(dialog));
        QCOMPARE(clickCloses(dialog, button), closes);
        QCOMPARE(saved.size(), accepted);
    }

    void openerRunsAtEachClickButNotOnEnter()
    {
        QDialog window;
        auto* box = new QLineEdit(&window);
        int opened = 0;
        QPushButton* opener = SmallDialog::opener(u"&Open..."_s, u"cmdOpen"_s, &window, [&opened] { ++opened; });
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(box);
        layout->addWidget(opener);
        QVERIFY(showActive(window));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(opened, 0);
        click(window, "cmdOpen");
        click(window, "cmdOpen");
        QCOMPARE(opened, 2);
    }
};

ZEM_TEST_SQLITE_ONLY(tst_SmallDialog)
#include "tst_SmallDialog.moc"
