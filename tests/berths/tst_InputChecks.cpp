#include "GuiSupport.h"
#include "common/TestInstall.h"
#include "common/TestMain.h"
#include "core/ui/InputChecks.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

// The one check of number and money boxes: which texts pass, and how a refused box behaves.
class tst_InputChecks : public QObject
{
    Q_OBJECT

private slots:
    void validity_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("valid");
        const int number = int(InputChecks::Kind::Number);
        const int whole = int(InputChecks::Kind::WholeNumber);
        const int money = int(InputChecks::Kind::Money);
        const QString c = QStringLiteral("C");
        const QString de = QStringLiteral("de_DE");
        QTest::newRow("empty number") << "" << number << c << true;
        QTest::newRow("empty money") << "" << money << c << true;
        QTest::newRow("blanks number") << "   " << number << c << false;
        QTest::newRow("blanks money") << "  " << money << c << false;
        QTest::newRow("decimal") << "12.5" << number << c << true;
        QTest::newRow("letters") << "abc" << number << c << false;
        QTest::newRow("infinity") << "inf" << number << c << false;
        QTest::newRow("pound sign is not a number") << "£12" << number << c << false;
        QTest::newRow("German decimal comma") << "12,5" << number << de << true;
        QTest::newRow("whole") << "-1" << whole << c << true;
        QTest::newRow("fraction is not whole") << "2.5" << whole << c << false;
        QTest::newRow("money as shown") << "£250.50" << money << c << true;
        QTest::newRow("money German") << "£12,50" << money << de << true;
        QTest::newRow("money letters") << "£ten" << money << c << false;
    }
    void validity()
    {
        QFETCH(QString, text);
        QFETCH(int, kind);
        QFETCH(QString, locale);
        QFETCH(bool, valid);
        QCOMPARE(InputChecks::IsValid(text, InputChecks::Kind(kind), QLocale(locale)), valid);
    }

    void refusedBoxKeepsFocusAndText()
    {
        TestInstall install;
        QWidget window;
        auto* box = new QLineEdit(&window);
        auto* other = new QLineEdit(&window);
        auto* cancel = new QPushButton(QStringLiteral("Cancel"), &window);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(box);
        layout->addWidget(other);
        layout->addWidget(cancel);
        InputChecks::Watch(box, InputChecks::Kind::Money, QStringLiteral("Cost of Hire"), install.messages);
        InputChecks::SkipChecks(cancel);
        QVERIFY(ShowActive(window));

        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("abc"));
        other->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(install.messages.calls.size(), 1);
        QCOMPARE(install.messages.calls[0].text, QStringLiteral("Please enter a valid number to continue"));
        QCOMPARE(install.messages.calls[0].title, QStringLiteral("Cost of Hire"));
        QCOMPARE(install.messages.calls[0].icon, MsgIcon::Exclamation);
        QVERIFY(box->hasFocus());
        QCOMPARE(box->text(), QStringLiteral("abc"));

        // A button that checks right after the refusal does not repeat it, but still refuses.
        QVERIFY(!InputChecks::CheckAll({box}));
        QCOMPARE(install.messages.calls.size(), 1);
        // Leaving for Cancel is not checked.
        cancel->setFocus(Qt::TabFocusReason);
        QTest::qWait(20);
        QCOMPARE(install.messages.calls.size(), 1);
        // A corrected box passes.
        box->setText(QStringLiteral("£5"));
        QVERIFY(InputChecks::CheckAll({box}));
    }
};

ZEM_TEST(tst_InputChecks)
#include "tst_InputChecks.moc"
