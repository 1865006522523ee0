#include "Clipping.h"
#include "common/TestSupport.h"
#include "common/WindowWalk.h"
#include "core/Languages.h"
#include "core/ui/Mnemonics.h"
#include "shell/MainWindow.h"

// Every window in every language at 1280×800, as the start-up puts the language in place: no text wider than its
// control, and no Alt letter used twice in a window. English runs too, so a fault the translation did not make
// is told apart (and is a fault all the same). ZEM_QM_FOLDER names another folder of compiled translations.
class tst_TranslatedWindows : public InstallTest
{
    Q_OBJECT
    std::unique_ptr<MainWindow> m_window;

    void tearDown() override
    {
        m_window.reset();
        Languages::installInterface(u"en"_s);
    }

private slots:
    void everyWindowFits_data()
    {
        QTest::addColumn<QString>("code");
        for (const Languages::Language& language : Languages::all())
            QTest::newRow(qPrintable(language.name)) << language.code;
    }
    void everyWindowFits()
    {
        QFETCH(QString, code);
        if (code != u"en"_s) {
            QVERIFY(Clipping::placeTranslation(code));
            const QStringList problems = Languages::installInterface(code);
            QCOMPARE(Languages::interfaceLanguage(), code);
            Q_UNUSED(problems) // Qt's own file may be missing: its buttons then stay English, which fits.
        }
        QVERIFY(WindowWalk::seed(*m_install));
        m_window = std::make_unique<MainWindow>(m_install->services);
        m_window->resize(1280, 800);
        QVERIFY(showActive(*m_window));
        QStringList faults;
        const WindowWalk::Walked walked = WindowWalk::everyWindow(*m_window, [&](QWidget* window) {
            QCoreApplication::processEvents();
            faults << Clipping::clippedTexts(window->window() == m_window.get() ? window : window->window());
            for (const QString& clash : Mnemonics::clashes(window))
                faults << window->objectName() + u": "_s + clash;
        });
        faults << Clipping::clippedTexts(m_window.get());
        faults.removeDuplicates();
        QVERIFY2(walked.missing.isEmpty(), qPrintable(walked.missing.join(u'\n')));
        QVERIFY2(walked.seen.size() > 40, qPrintable(walked.seen.join(u' ')));
        // Every fault on its own line: a failure message is cut short.
        for (const QString& fault : std::as_const(faults))
            qInfo().noquote() << code << fault;
        QVERIFY2(faults.isEmpty(), qPrintable(u"%1: %2 texts do not fit or clash:\n"_s.arg(code).arg(faults.size()) +
                                              faults.join(u'\n')));
    }
};

ZEM_TEST_SQLITE_ONLY(tst_TranslatedWindows)
#include "tst_TranslatedWindows.moc"
