#include "berths/BerthTableEditor.h"
#include "core/ui/ChangedMeanwhile.h"

#include "berths/BerthRowCheck.h"

#include "berths/BerthInput.h"
#include "core/Money.h"
#include "core/Seams.h"
#include "core/SqlHelpers.h"
#include "core/Texts.h"
#include "core/ui/DataControl.h"
#include "core/ui/FocusNextControl.h"
#include "core/ui/InputChecks.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDataWidgetMapper>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace {

const char* const KindProperty = "zemColumnKind";
enum class ColumnKind
{
    Text,
    ReadOnly,
    Number,
    Money,
    Flag,
    Lookup
};

ColumnKind kindOf(const QWidget* editor)
{
    return static_cast<ColumnKind>(editor->property(KindProperty).toInt());
}

/// What a box shows for a stored value.
QString shownText(ColumnKind kind, const QVariant& value)
{
    if (value.isNull())
        return {};
    switch (kind) {
    case ColumnKind::Number:
        return QLocale().toString(value.toDouble(), 'g', 15);
    case ColumnKind::Money:
        return Money::fromDb(value).format();
    default:
        return value.toString();
    }
}

/// Moves values between the stored columns and the boxes: money as money, sizes in the user's notation, the
/// Yes/No columns as 0 or 1, the lookups by ID. A box that still shows what the column holds writes nothing,
/// so looking at a berth never changes it (a money box shows pence, the column holds ten-thousandths).
class BerthFieldDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        const QVariant value = index.data(Qt::EditRole);
        if (auto* box = qobject_cast<QLineEdit*>(editor)) {
            box->setText(shownText(kindOf(editor), value));
        } else if (auto* check = qobject_cast<QCheckBox*>(editor)) {
            check->setChecked(!value.isNull() && value.toInt() != 0);
        } else if (auto* combo = qobject_cast<QComboBox*>(editor)) {
            // Item 0 is the empty choice; an ID missing from the list shows nothing.
            combo->setCurrentIndex(value.isNull() ? 0 : combo->findData(value.toInt()));
        }
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        const QVariant current = index.data(Qt::EditRole);
        const ColumnKind kind = kindOf(editor);
        if (auto* box = qobject_cast<QLineEdit*>(editor)) {
            const QString text = box->text();
            if (kind == ColumnKind::ReadOnly || text == shownText(kind, current))
                return;
            QVariant value;
            if (kind == ColumnKind::Number) {
                const auto number = InputChecks::readNumber(text);
                if (!number && !text.isEmpty())
                    return; // refused by the box's check
                value = number ? QVariant(*number) : QVariant(QMetaType::fromType<double>());
            } else if (kind == ColumnKind::Money) {
                const auto amount = InputChecks::readMoney(text);
                if (!amount && !text.isEmpty())
                    return;
                value = amount ? amount->toDb() : Sql::nullInt();
            } else {
                value = text;
            }
            model->setData(index, value, Qt::EditRole);
        } else if (auto* check = qobject_cast<QCheckBox*>(editor)) {
            const int flag = check->isChecked() ? 1 : 0;
            if (current.isNull() || (current.toInt() != 0) != check->isChecked())
                model->setData(index, flag, Qt::EditRole);
        } else if (auto* combo = qobject_cast<QComboBox*>(editor)) {
            if (combo->currentIndex() < 0)
                return;
            const QVariant chosen = combo->currentData();
            const bool none = !chosen.isValid();
            if (none ? current.isNull() : (!current.isNull() && current.toInt() == chosen.toInt()))
                return;
            model->setData(index, none ? Sql::nullInt() : QVariant(chosen.toInt()), Qt::EditRole);
        }
    }
};

struct TextFieldInfo
{
    const char* column;
    const char* label;
    ColumnKind kind;
    QString title; // for the number check
};

} // namespace

BerthTableEditor::BerthTableEditor(Services& services, QWidget* parent) : QDialog(parent), m_services(services)
{
    setObjectName(QStringLiteral("frmEditBerths"));
    setWindowTitle(tr("Edit Berths"));
    buildControls();
    FocusNextControl::install(this);
    if (!openTable()) {
        for (QWidget* widget : m_editors + QList<QWidget*>{m_data->bar(), m_cmdUpdate, m_cmdRefresh})
            widget->setEnabled(false);
    }
}

bool BerthTableEditor::connected() const
{
    return m_connected;
}

void BerthTableEditor::buildControls()
{
    const std::array<TextFieldInfo, 9> texts = {{
        {"ID", QT_TR_NOOP("ID:"), ColumnKind::ReadOnly, {}},
        {"Name", QT_TR_NOOP("Name:"), ColumnKind::Text, {}},
        {"Length", QT_TR_NOOP("Length:"), ColumnKind::Number, BerthTitles::length()},
        {"Width", QT_TR_NOOP("Width:"), ColumnKind::Number, BerthTitles::width()},
        {"Notes", QT_TR_NOOP("Notes:"), ColumnKind::Text, {}},
        {"DailyHireCharge", QT_TR_NOOP("DailyHireCharge:"), ColumnKind::Money, BerthTitles::daily()},
        {"MonthlyHireCharge", QT_TR_NOOP("MonthlyHireCharge:"), ColumnKind::Money, BerthTitles::monthly()},
        {"WeeklyHireCharge", QT_TR_NOOP("WeeklyHireCharge:"), ColumnKind::Money, BerthTitles::weekly()},
        {"MaxDraft", QT_TR_NOOP("Maximum draft (m):"), ColumnKind::Number, BerthTitles::maxDraft()},
    }};
    auto* form = new QFormLayout;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("txtFields%1").arg(i));
        box->setProperty(KindProperty, static_cast<int>(texts[i].kind));
        box->setProperty("column", QString::fromLatin1(texts[i].column));
        if (texts[i].kind == ColumnKind::ReadOnly) {
            box->setReadOnly(true);
            box->setFocusPolicy(Qt::ClickFocus); // the ID is shown, not edited
        }
        if (texts[i].kind == ColumnKind::Number || texts[i].kind == ColumnKind::Money)
            InputChecks::watch(
                box, texts[i].kind == ColumnKind::Money ? InputChecks::Kind::Money : InputChecks::Kind::Number,
                texts[i].title, m_services.messages);
        m_txtFields[i] = box;
        form->addRow(tr(texts[i].label), box);
        m_captions.insert(QString::fromLatin1(texts[i].column).toLower(), tr(texts[i].label));
        if (texts[i].kind == ColumnKind::Money)
            m_moneyColumns.insert(QString::fromLatin1(texts[i].column).toLower());
    }
    const std::array<std::pair<const char*, const char*>, 3> checks = {
        {{"HasPower", QT_TR_NOOP("HasPower:")},
         {"Active", QT_TR_NOOP("Active:")},
         {"TakesMultihulls", QT_TR_NOOP("Multihulls:")}}};
    for (std::size_t i = 0; i < checks.size(); ++i) {
        auto* check = new QCheckBox(this);
        check->setObjectName(QStringLiteral("chkFields%1").arg(i));
        check->setProperty(KindProperty, static_cast<int>(ColumnKind::Flag));
        check->setProperty("column", QString::fromLatin1(checks[i].first));
        m_chkFields[i] = check;
        form->addRow(tr(checks[i].second), check);
        m_captions.insert(QString::fromLatin1(checks[i].first).toLower(), tr(checks[i].second));
    }
    m_editors = QList<QWidget*>(m_txtFields.begin(), m_txtFields.end());
    for (QCheckBox* check : m_chkFields)
        m_editors << check;
    m_DataCombo2 = new QComboBox(this);
    m_DataCombo2->setObjectName(QStringLiteral("DataCombo2"));
    m_DataCombo2->setProperty("column", QStringLiteral("TypeID"));
    form->addRow(tr("TypeID:"), m_DataCombo2);
    m_DataCombo1 = new QComboBox(this);
    m_DataCombo1->setObjectName(QStringLiteral("DataCombo1"));
    m_DataCombo1->setProperty("column", QStringLiteral("OwnerID"));
    form->addRow(tr("OwnerID:"), m_DataCombo1);
    m_captions.insert(QStringLiteral("typeid"), tr("TypeID:"));
    m_captions.insert(QStringLiteral("ownerid"), tr("OwnerID:"));
    for (QComboBox* combo : {m_DataCombo1, m_DataCombo2})
        combo->setProperty(KindProperty, static_cast<int>(ColumnKind::Lookup));
    m_editors << m_DataCombo1 << m_DataCombo2;

    // The data control: the four arrows and its caption. Every move saves the current berth first.
    m_data = new DataControl(this, QStringLiteral("datPrimaryRS"), QStringLiteral("lblCaption"));
    connect(m_data, &DataControl::moveRequested, this, &BerthTableEditor::moveTo);

    auto* picButtons = new QWidget(this);
    picButtons->setObjectName(QStringLiteral("picButtons"));
    auto* buttons = new QHBoxLayout(picButtons);
    buttons->setContentsMargins(0, 0, 0, 0);
    const auto button = [this, picButtons, buttons](const QString& text, const QString& name) {
        auto* b = new QPushButton(text, picButtons);
        b->setObjectName(name);
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    m_cmdUpdate = button(tr("&Update"), QStringLiteral("cmdUpdate"));
    m_cmdRefresh = button(tr("&Refresh"), QStringLiteral("cmdRefresh"));
    m_cmdClose = button(tr("&Close"), QStringLiteral("cmdClose"));
    // Refresh throws the typed changes away, so a refused box need not be corrected first.
    InputChecks::skipChecks(m_cmdRefresh);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_data->bar());
    layout->addWidget(picButtons);

    connect(m_cmdUpdate, &QPushButton::clicked, this, &BerthTableEditor::saveRecord);
    connect(m_cmdRefresh, &QPushButton::clicked, this, &BerthTableEditor::refresh);
    connect(m_cmdClose, &QPushButton::clicked, this, &BerthTableEditor::reject);
}

bool BerthTableEditor::openTable()
{
    QString error;
    std::optional<QList<Sql::LookupItem>> types;
    std::optional<QList<Sql::LookupItem>> owners;
    // In ID order on both engines: a server would otherwise move a saved row to the end.
    if (const Status opened = m_data->open(m_services, QStringLiteral("Berth"), QStringLiteral("ID")); !opened) {
        error = opened.error();
    } else {
        const QSqlDatabase db = m_data->model()->database();
        types = Sql::readLookup(db, berthTypeLookupSql(), &error);
        if (types)
            owners = Sql::readLookup(db, ownerLookupSql(db), &error);
    }
    if (!owners) {
        m_services.messages.show(error, Texts::productTitle(), MsgIcon::Critical, MsgButtons::Ok);
        return false;
    }
    for (const auto& [combo, items] : {std::pair(m_DataCombo2, &*types), std::pair(m_DataCombo1, &*owners)}) {
        combo->addItem(QString()); // no type or owner
        for (const Sql::LookupItem& item : *items)
            combo->addItem(item.text, item.id);
    }
    QDataWidgetMapper* mapper = m_data->mapper();
    mapper->setItemDelegate(new BerthFieldDelegate(mapper));
    mapper->setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
    for (QWidget* editor : std::as_const(m_editors))
        mapper->addMapping(editor, m_data->model()->fieldIndex(editor->property("column").toString()));
    m_connected = true;
    showRow(0);
    return true;
}

QList<QLineEdit*> BerthTableEditor::numberBoxes() const
{
    return {m_txtFields[FieldLength],  m_txtFields[FieldWidth],  m_txtFields[FieldDaily],
            m_txtFields[FieldMonthly], m_txtFields[FieldWeekly], m_txtFields[FieldMaxDraft]};
}

int BerthTableEditor::currentRow() const
{
    return m_connected ? m_data->currentRow() : -1;
}

void BerthTableEditor::showRow(int row)
{
    while (m_data->model()->canFetchMore() && row >= m_data->model()->rowCount())
        m_data->model()->fetchMore();
    const int count = m_data->model()->rowCount();
    row = std::clamp(row, 0, std::max(0, count - 1));
    if (count == 0) {
        // No berth to show: empty boxes that cannot be typed into.
        for (QLineEdit* box : m_txtFields)
            box->clear();
        for (QCheckBox* check : m_chkFields)
            check->setChecked(false);
        m_DataCombo1->setCurrentIndex(-1);
        m_DataCombo2->setCurrentIndex(-1);
        m_data->caption()->setText(tr("Record: "));
    } else {
        m_data->mapper()->setCurrentIndex(row);
        m_data->showPosition(row);
    }
    m_shown = count > 0 ? m_data->model()->record(row) : QSqlRecord();
    for (QWidget* editor : std::as_const(m_editors))
        editor->setEnabled(count > 0);
}

bool BerthTableEditor::saveCurrent()
{
    if (!m_connected || currentRow() < 0)
        return true;
    if (!InputChecks::checkAll(numberBoxes()))
        return false;
    m_data->mapper()->submit();
    if (!m_data->model()->isDirty())
        return true;
    const Submit submitted = submitChecked();
    if (submitted == Submit::Failed)
        m_services.messages.show(tr("Data error event hit err:%1").arg(m_data->model()->lastError().text()),
                                 Texts::productTitle(), MsgIcon::None, MsgButtons::Ok);
    return submitted == Submit::Saved;
}

BerthTableEditor::Submit BerthTableEditor::submitChecked()
{
    QSqlTableModel* model = m_data->model();
    const QSqlDatabase db = model->database();
    std::optional<FieldChanges::Merge<QSqlRecord>> merge;
    {
        // The lock is held only for the merge and the write, never while the person decides.
        Sql::Transaction tx(db, true);
        auto merged = tx.started() ? BerthRowCheck::merged(db, m_shown.value(QStringLiteral("ID")).toInt(), m_shown,
                                                           model->record(currentRow()), m_captions, m_moneyColumns)
                                   : Result<FieldChanges::Merge<QSqlRecord>>(databaseFailure(tx.error()));
        if (!merged) {
            m_services.messages.show(merged.error(), Texts::productTitle(), MsgIcon::Exclamation, MsgButtons::Ok);
            return Submit::Declined;
        }
        if (merged->conflicts().isEmpty()) {
            // What only another desk changed is written as they left it.
            putInRow(merged->merged());
            QString error;
            if (!model->submitAll())
                return Submit::Failed;
            if (!tx.commit(&error)) {
                m_services.messages.show(error, Texts::productTitle(), MsgIcon::Critical, MsgButtons::Ok);
                return Submit::Declined;
            }
            return Submit::Saved;
        }
        merge = std::move(*merged);
    }
    const Meanwhile choice = askAboutChanges(m_services.messages, windowTitle(), tr("berth"), merge->conflicts());
    m_shown = merge->theirs();
    putInRow(merge->chosen(choice == Meanwhile::KeepTheirs));
    if (choice == Meanwhile::GoBack)
        return Submit::Declined;
    return submitChecked(); // merged again with whatever else was stored since
}

void BerthTableEditor::putInRow(const QSqlRecord& record)
{
    QSqlTableModel* model = m_data->model();
    const int row = currentRow();
    for (int i = 0; i < record.count(); ++i) {
        const int column = model->fieldIndex(record.fieldName(i));
        const QModelIndex index = model->index(row, column);
        const QVariant value = record.value(i);
        if (column >= 0 && (index.data().isNull() != value.isNull() || index.data().toString() != value.toString()))
            model->setData(index, value);
    }
}

bool BerthTableEditor::moveTo(int row)
{
    if (!m_connected)
        return false;
    const int from = currentRow();
    if (!saveCurrent())
        return false;
    showRow(row < 0 ? from : row);
    return true;
}

void BerthTableEditor::saveRecord()
{
    if (!m_connected)
        return;
    if (!InputChecks::checkAll(numberBoxes()))
        return;
    const int row = currentRow();
    m_data->mapper()->submit();
    if (!m_data->model()->isDirty()) {
        refresh(); // nothing typed: Update shows the row as stored
        return;
    }
    const Submit submitted = submitChecked();
    if (submitted == Submit::Failed)
        m_services.messages.show(m_data->model()->lastError().text(), Texts::productTitle(), MsgIcon::None,
                                 MsgButtons::Ok);
    if (submitted == Submit::Saved)
        showRow(row);
}

void BerthTableEditor::refresh()
{
    if (!m_connected)
        return;
    const int row = currentRow();
    m_data->model()->revertAll();
    if (!m_data->model()->select())
        m_services.messages.show(m_data->model()->lastError().text(), Texts::productTitle(), MsgIcon::None,
                                 MsgButtons::Ok);
    showRow(row);
}

void BerthTableEditor::reject()
{
    if (!saveCurrent())
        return;
    QDialog::reject();
}
