#include "core/ui/DataControl.h"

#include "core/Seams.h"

#include "core/Database.h"
#include "core/Dialect.h"

#include <QDataWidgetMapper>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSqlError>
#include <QSqlTableModel>
#include <memory>

DataControl::DataControl(QWidget* window, const QString& barName, const QString& captionName) : QObject(window)
{
    static int openings = 0;
    m_connectionName = window->objectName() + QStringLiteral("-%1").arg(++openings);

    m_bar = new QWidget(window);
    m_bar->setObjectName(barName);
    auto* layout = new QHBoxLayout(m_bar);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto button = [this, layout](const QString& text, const QString& name, auto row) {
        auto* b = new QPushButton(text, m_bar);
        b->setObjectName(name);
        b->setAutoDefault(false);
        // Narrow arrows leave the room to the caption.
        b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("|<|<")) + 8);
        layout->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, row] { emit moveRequested(row()); });
        return b;
    };
    button(QStringLiteral("|<"), QStringLiteral("cmdFirst"), [] { return 0; });
    button(QStringLiteral("<"), QStringLiteral("cmdPrevious"), [this] { return std::max(0, currentRow() - 1); });
    m_caption = new QLabel(m_bar);
    m_caption->setObjectName(captionName);
    m_caption->setFrameShape(QFrame::StyledPanel);
    m_caption->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_caption, 1);
    button(QStringLiteral(">"), QStringLiteral("cmdNext"), [this] { return currentRow() + 1; });
    button(QStringLiteral(">|"), QStringLiteral("cmdLast"), [this] {
        fetchAll();
        return m_model ? m_model->rowCount() - 1 : 0;
    });
}

DataControl::~DataControl()
{
    // The model's queries must go before their connection does.
    delete m_mapper;
    delete m_model;
    Database::close(m_connectionName);
}

Status DataControl::open(const Services& services, const QString& table, const QString& sortColumn)
{
    const QString address = Database::addressOf(services.connectionName);
    if (address.isEmpty())
        return databaseFailure(tr("The database is not open."));
    const auto db = Database::open(address, m_connectionName);
    if (!db)
        return db.failure();
    auto model = std::make_unique<QSqlTableModel>(nullptr, *db);
    model->setTable(Dialect::of(*db).tableName(table));
    model->setEditStrategy(QSqlTableModel::OnManualSubmit);
    if (!sortColumn.isEmpty())
        model->setSort(model->fieldIndex(sortColumn), Qt::AscendingOrder);
    if (!model->select()) {
        const QString error = model->lastError().text();
        model.reset();
        Database::close(m_connectionName);
        return databaseFailure(error);
    }
    m_model = model.release();
    m_mapper = new QDataWidgetMapper;
    m_mapper->setModel(m_model);
    return Done{};
}

int DataControl::currentRow() const
{
    return m_mapper ? m_mapper->currentIndex() : -1;
}

void DataControl::fetchAll()
{
    while (m_model && m_model->canFetchMore())
        m_model->fetchMore();
}

void DataControl::showPosition(int row)
{
    m_caption->setText(tr("Record: %1").arg(row + 1));
}
