#include "bookings/BookingStore.h"
#include "bookings/DependentBookings.h"
#include "common/TestSupport.h"
#include "core/SearchText.h"
#include "core/ui/Twips.h"
#include "people/CustomerSearch.h"
#include "people/FindCustomerDialog.h"
#include "people/PeopleRecords.h"
#include "people/PickerChoices.h"

using Club = CustomerCriteria::Club;
Q_DECLARE_METATYPE(CustomerCriteria::Club)

// The customer search's rule (the start of each typed text, whatever the case, taken literally; the club box),
// then the search window driven through its boxes and buttons.
class tst_CustomerSearch : public InstallTest
{
    Q_OBJECT
    std::unique_ptr<CustomerSearchModel> m_model;

    void seed() override
    {
        QVERIFY(exec(
            u"INSERT INTO Customer (ID, Name, Town, ClubMember) VALUES (1, 'Smith', 'London', 1), "
            u"(2, 'Smithson', 'Londonderry', 0), (3, 'Smyth', 'Barking, London', 1), (4, 'O''Neill', 'Lon', 0), "
            u"(5, '%Off', 'Poole', -1), (6, 'Ab_c', NULL, 0), (7, 'Łukasz', 'Ελευσίνα', 1), (8, 'smart', 'london', 1)"_s));
        // Every searched column holds its own text, so a box that searches the wrong column is caught.
        QVERIFY(exec(
            u"INSERT INTO Customer (ID, Name, HouseName, Street, Area, Town, PostCode, TelNo, MobileNo, EmailAddress, "
            u"MembershipNo, Notes) VALUES (9, 'q0', 'q1', 'q2', 'q3', 'q4', 'q5', 'q6', 'q7', 'q8', 'q9', 'n')"_s));
        m_model = std::make_unique<CustomerSearchModel>();
        QVERIFY(m_model->load(m_install->db()));
    }
    void tearDown() override { m_model.reset(); }

    QList<int> shown() const
    {
        QList<int> ids;
        for (int row = 0; row < m_model->rowCount(); ++row)
            ids << m_model->idAt(row);
        return ids;
    }

    /// Types into one box of the window and starts the search; the names found and the count.
    static QString search(FindCustomerDialog& window, const char* box, const QString& text)
    {
        control(window, box)->clear();
        typeKeys(control(window, box), text);
        click(window, "cmdStart");
        return shown(window);
    }
    static QString shown(FindCustomerDialog& window)
    {
        return columnTexts(*window.model(), 1).join(u',') + u'=' + control<QLabel>(window, "lblTotalMatches")->text();
    }

    using RulesRow = std::tuple<QString, QString, Club, bool, QList<int>>;
    using AnyPartRow = std::tuple<QString, QList<int>>;
    using PickerRow = std::tuple<QString, QStringList>;

private slots:
    void rules_data()
    {
        const DataRows<RulesRow> row;
        const QString none;
        row("example: Sm, Lon, ticked", {u"Sm"_s, u"Lon"_s, Club::Ticked, true, {1, 8}});
        row("nothing asked", {none, none, Club::Undecided, false, {1, 2, 3, 4, 5, 6, 7, 8, 9}});
        row("only non-members", {none, none, Club::Clear, true, {2, 4, 6, 9}});
        row("only members", {none, none, Club::Ticked, true, {1, 3, 5, 7, 8}});
        row("name, any club", {u"sm"_s, none, Club::Undecided, true, {1, 2, 3, 8}});
        row("start of the town only", {none, u"Lon"_s, Club::Undecided, true, {1, 2, 4, 8}});
        row("apostrophe", {u"O'Neill"_s, none, Club::Undecided, true, {4}});
        row("percent is literal", {u"%"_s, none, Club::Undecided, true, {5}});
        row("underscore is literal", {u"_"_s, none, Club::Undecided, true, {}});
        row("underscore inside", {u"Ab_"_s, none, Club::Undecided, true, {6}});
        row("percent inside", {u"A%"_s, none, Club::Undecided, true, {}});
        row("non-Latin case", {u"łU"_s, u"ελ"_s, Club::Ticked, true, {7}});
    }
    void rules()
    {
        const auto& [name, town, club, narrowed, ids] = fetchRow<RulesRow>();
        QAbstractItemModelTester tester(m_model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        CustomerCriteria criteria;
        criteria.texts[CustomerCriteria::Name] = name;
        criteria.texts[CustomerCriteria::Town] = town;
        criteria.club = club;
        QCOMPARE(m_model->apply(criteria), narrowed);
        QCOMPARE(shown(), ids);
    }

    void eachBoxSearchesItsColumn()
    {
        for (int f = 0; f < CustomerCriteria::FieldCount; ++f) {
            CustomerCriteria criteria;
            criteria.texts[f] = u"Q%1"_s.arg(f);
            QVERIFY(m_model->apply(criteria));
            QCOMPARE(shown(), QList<int>{9});
            criteria.texts[f] = u"q%1"_s.arg((f + 1) % CustomerCriteria::FieldCount);
            m_model->apply(criteria);
            QVERIFY2(shown().isEmpty(), qPrintable(QString::number(f)));
        }
    }

    void anyPart_data()
    {
        const DataRows<AnyPartRow> row;
        const int zoe = 10, jan = 11, li = 12;
        row("part of a surname", {u"kowal"_s, {zoe, jan}});
        row("capitals", {u"KOWALS"_s, {zoe}});
        row("accent left out", {u"zoe"_s, {zoe}});
        row("accent typed", {u"Zoë"_s, {zoe}});
        row("accent in the town", {u"gdansk"_s, {jan}});
        row("stroke letter", {u"lukasz"_s, {7}});
        row("sharp s", {u"STRASSE"_s, {jan}});
        row("two words, two fields", {u"york kowal"_s, {zoe}});
        row("two words, one missing", {u"york smith"_s, {}});
        row("phone without its space", {u"07700900"_s, {zoe}});
        row("phone as written", {u"7700 900"_s, {zoe}});
        row("post code without its space", {u"yo17hh"_s, {zoe}});
        row("e-mail", {u"@example.org"_s, {zoe}});
        row("two letters: the start of a word", {u"li"_s, {li}});
        row("two letters and more", {u"li leeds"_s, {li}});
        row("a single letter is no search", {u"k"_s, {}});
        // Name, house name, town, post code, phones and e-mail are searched; street, area and membership not.
        row("house name", {u"q1"_s, {9}});
        row("street not searched", {u"q2"_s, {}});
        row("area not searched", {u"q3"_s, {}});
        row("town", {u"q4"_s, {9}});
        row("mobile", {u"q7"_s, {9}});
        row("e-mail column", {u"q8"_s, {9}});
        row("membership not searched", {u"q9"_s, {}});
        row("percent is literal", {u"%o"_s, {5}});
        row("percent in a long word", {u"%of"_s, {5}});
        row("underscore is literal", {u"q_"_s, {}});
        row("underscore in a long word", {u"b_c"_s, {6}});
        row("backslash", {u"q\\"_s, {}});
        row("quote", {u"q\""_s, {}});
        row("quote in a long word", {u"a\"b OR c"_s, {}});
        row("no words", {u"   "_s, {}});
    }
    void anyPart()
    {
        const auto& [typed, ids] = fetchRow<AnyPartRow>();
        // The rows above as an upgrade finds them (words written for all), and three through the customer store.
        const Status rewritten = SearchText::rewriteCustomers(m_install->db());
        QVERIFY2(rewritten, qPrintable(rewritten.error()));
        // Name, house name, town, post code, phone and e-mail; the other fields empty.
        const auto person = [](const QString& name, const QString& house, const QString& town,
                               const QString& postCode = {}, const QString& phone = {}, const QString& email = {}) {
            return CustomerRecord{name, house, {}, {}, town, postCode, phone, {}, email, {}, false, {}, {}};
        };
        const CustomerRecord zoe = person(u"Zoë Kowalski"_s, u"Mill Cottage"_s, u"York"_s, u"YO1 7HH"_s,
                                          u"07700 900123"_s, u"zoe@example.org"_s);
        const CustomerRecord jan = person(u"Jan Kowalczyk"_s, u"Haus Straße"_s, u"Gdańsk"_s);
        const CustomerRecord li = person(u"Li"_s, {}, u"Leeds"_s);
        for (const CustomerRecord& record : {zoe, jan, li})
            QVERIFY(CustomerStore::add(m_install->db(), record));
        const auto found = customersWithAnyPart(m_install->db(), typed);
        QVERIFY2(found, qPrintable(found.error()));
        QCOMPARE(QList<int>(found->cbegin(), found->cend()), ids);
    }

    // A picker's list narrowed by what is typed: through the customer search, and over the entries' own texts
    // (the boat lists) with the same result.
    void pickerNarrows_data()
    {
        const DataRows<PickerRow> row;
        row("the fault: a letter after a first name", {u"Helen M"_s, {u"Helen Mirren"_s}});
        row("a first name", {u"helen"_s, {u"Helen Clarke"_s, u"Helen Mirren"_s}});
        row("part of a surname", {u"irre"_s, {u"Helen Mirren"_s}});
        row("accent left out", {u"zoe"_s, {u"Zoë Ball"_s}});
        row("a stroke left out", {u"LUKASZ"_s, {u"Łukasz"_s}});
        row("quote", {u"o'n"_s, {u"O'Neill"_s}});
        row("percent is literal", {u"%of"_s, {u"%Off"_s}});
        row("underscore is literal", {u"b_c"_s, {u"Ab_c"_s}});
        row("two letters start a word", {u"mi"_s, {u"Helen Mirren"_s}});
        row("found by nobody", {u"xyz"_s, {}});
    }
    void pickerNarrows()
    {
        const auto& [typed, expected] = fetchRow<PickerRow>();
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name) VALUES (10, 'Helen Clarke'), (11, 'Helen Mirren'), "
                     u"(12, 'Zoë Ball')"_s));
        QVERIFY(SearchText::rewriteCustomers(m_install->db()));
        const auto choices = BookingStore::customerChoices(m_install->db());
        QVERIFY(choices);
        for (const PickerChoices& picker : {PickerChoices::customers(*choices), PickerChoices(*choices)}) {
            const auto left = picker.narrowed(m_install->db(), typed);
            QVERIFY2(left, qPrintable(left.error()));
            QStringList names;
            for (const PickerChoices::Choice& choice : *left)
                names << choice.text;
            QCOMPARE(names, expected);
        }
        // A single letter alone narrows nothing: the whole list stays.
        QCOMPARE(PickerChoices(*choices).narrowed(m_install->db(), u"h"_s)->size(), choices->size());
    }

    void anyPartFollowsChangesAndDeletes()
    {
        CustomerRecord zoe{u"Zoë Kowalski"_s, {}, {}, {}, u"York"_s, {}, {}, {}, {}, {}, false, {}, {}};
        const auto id = CustomerStore::add(m_install->db(), zoe);
        QVERIFY(id);
        const auto find = [this](const QString& typed) {
            const auto found = customersWithAnyPart(m_install->db(), typed);
            return found ? QList<int>(found->cbegin(), found->cend()) : QList<int>{-1};
        };
        QCOMPARE(find(u"york"_s), QList<int>{*id});
        const CustomerRecord seen = CustomerStore::load(m_install->db(), *id).value();
        zoe.town = u"Bath"_s;
        QVERIFY(CustomerStore::modify(m_install->db(), *id, seen, zoe));
        QCOMPARE(find(u"york"_s), QList<int>{});
        QCOMPARE(find(u"bath"_s), QList<int>{*id});
        QVERIFY(CustomerStore::remove(m_install->db(), *id, 0, DependentBookings::ofCustomer()));
        QCOMPARE(find(u"kowalski"_s), QList<int>{});
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM CustomerText"_s), 0);
    }

    void windowSearches()
    {
        const Status rewritten = SearchText::rewriteCustomers(m_install->db());
        QVERIFY2(rewritten, qPrintable(rewritten.error()));
        FindCustomerDialog window(m_install->services, DependentBookings::ofCustomer());
        QVERIFY(window.load());
        window.show();
        QVERIFY(control<QTableView>(window, "grdCustomer")->isColumnHidden(0));
        QVERIFY(window.height() < Twips::toPixelsY(7500, &window));
        auto* box = control<QLineEdit>(window, "txtAnyPart");
        // From the second letter each key narrows the list at once, with the other boxes and the club box.
        typeKeys(box, u"l"_s);
        QCOMPARE(window.model()->rowCount(), 9);
        typeKeys(box, u"on"_s);
        QCOMPARE(shown(window), u"Smith,Smithson,Smyth,O'Neill,smart=5"_s);
        typeKeys(box, u"donde"_s);
        QCOMPARE(shown(window), u"Smithson=1"_s);
        box->clear();
        QCOMPARE(search(window, "txtName", u"Sm"_s), u"Smith,Smithson,Smyth,smart=4"_s);
        typeKeys(box, u"barking"_s);
        QCOMPARE(shown(window), u"Smyth=1"_s);
        box->clear();
        // The example: members whose name starts Sm and town Lon.
        auto* club = control<QCheckBox>(window, "chkClubMember");
        QCOMPARE(club->checkState(), Qt::PartiallyChecked);
        club->click();
        QCOMPARE(club->checkState(), Qt::Checked);
        search(window, "txtTown", u"Lon"_s);
        QCOMPARE(search(window, "txtName", u"Sm"_s), u"Smith,smart=2"_s);
        QCOMPARE(window.minimumSize(), QSize(Twips::toPixelsX(9000, &window), Twips::toPixelsY(7500, &window)));
        QVERIFY(window.height() >= Twips::toPixelsY(7500, &window));
        // Back to any club and any town; a percent sign is taken literally.
        club->click();
        club->click();
        QCOMPARE(club->checkState(), Qt::PartiallyChecked);
        control(window, "txtTown")->clear();
        QCOMPARE(search(window, "txtName", u"%"_s), u"%Off=1"_s);
        // Nothing asked: everyone, and the count keeps its text.
        QCOMPARE(search(window, "txtName", QString()), u"Smith,Smithson,Smyth,O'Neill,%Off,Ab_c,Łukasz,smart,q0=1"_s);
        QCOMPARE(search(window, "txtTown", u"London"_s), u"Smith,Smithson,smart=3"_s);
        m_install->messages.answers.enqueue(MsgResult::Yes);
        click(window, "cmdDeleteCustomer");
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Customer WHERE ID = 1"_s), 0);
        QCOMPARE(shown(window), u"Smithson,smart=2"_s);
        QCOMPARE(window.model()->index(1, CustomerSearchModel::ColClubMember).data().toString(), u"Yes"_s);
        // A search starts again from every customer loaded, less the one deleted.
        QCOMPARE(search(window, "txtTown", QString()), u"Smithson,Smyth,O'Neill,%Off,Ab_c,Łukasz,smart,q0=2"_s);
        QCOMPARE(logText(), QString()); // the search writes no event
    }
};

ZEM_TEST(tst_CustomerSearch)
#include "tst_CustomerSearch.moc"
