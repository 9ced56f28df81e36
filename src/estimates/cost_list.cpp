#include "estimates/cost_list.h"

#include "data/dataset.h"
#include "data/tdm4.h"
#include "estimates/cost_rules.h"
#include "estimates/tnewcost.h"
#include "ui/dataset_model.h"
#include "ui/modal_window.h"
#include "ui/prompter.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <stdexcept>

namespace velta::estimates {

namespace {

using Column = ui::DatasetColumn;
using Format = ui::DatasetColumn::Format;

std::vector<Column> costColumns() {
    return {
        {"Cost_Number", QStringLiteral("Номер"), 82, Format::Text, {}, {}, Qt::AlignCenter, true},
        {"Cost_Date", QStringLiteral("Дата"), 94, Format::Date, {}, {}, Qt::AlignCenter, true},
        {"Cust_Name", QStringLiteral("Замовник"), 305, Format::Text, {}, {}, Qt::AlignCenter, true},
        {"Address",
         QStringLiteral("Адреса земельної ділянки"),
         292,
         Format::Text,
         {},
         {},
         Qt::AlignCenter,
         true},
        {"Area",
         QStringLiteral("Площа, кв.м"),
         88,
         Format::Number,
         QStringLiteral("0.00"),
         {},
         Qt::AlignCenter,
         true},
        {"Sum",
         QStringLiteral("Сума, грн"),
         93,
         Format::Number,
         QStringLiteral("0.00"),
         {},
         Qt::AlignCenter,
         true},
        {"Payment_Sum",
         QStringLiteral("Сплачено, грн"),
         93,
         Format::Number,
         QStringLiteral("0.00"),
         {},
         Qt::AlignCenter,
         true},
        {"Payment_Date",
         QStringLiteral("Дата сплати"),
         93,
         Format::Date,
         {},
         Qt::AlignCenter,
         Qt::AlignCenter,
         true},
    };
}

// The sort key of a grid column, by its field; -1 for a column without one.
int sortKeyOfField(const QString& field) {
    static const struct {
        const char* field;
        int key;
    } keys[] = {{"Cost_Number", 1}, {"Cost_Date", 2}, {"Cust_Name", 3},   {"Address", 4},     {"Area", 5},
                {"S", 5},           {"Sum", 6},       {"Payment_Sum", 7}, {"Payment_Date", 8}};
    for (const auto& k : keys)
        if (field.compare(QLatin1String(k.field), Qt::CaseInsensitive) == 0)
            return k.key;
    return -1;
}

// Selected cells take the list's selection colour, except the number and date of a marked row,
// which keep the mark; the text keeps its progress colour on the selection.
class CostDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const QVariant mark = index.column() < 2 ? index.data(Qt::BackgroundRole) : QVariant();
        const QColor background = mark.isValid() ? mark.value<QBrush>().color() : kSelectionBackground;
        option->palette.setColor(QPalette::Highlight, background);
        const QVariant text = index.data(Qt::ForegroundRole);
        option->palette.setColor(QPalette::HighlightedText, text.isValid()
                                                                ? text.value<QBrush>().color()
                                                                : option->palette.color(QPalette::Text));
        if (option->state & QStyle::State_HasFocus)
            option->state |= QStyle::State_Selected;
    }
};

// The painting values of TbCost's rows, read through field indexes found once per re-read.
struct CostFields {
    int color = -1, dateFinish = -1, dateLast = -1, paymentSum = -1, sum = -1;
    void resolve(const data::Dataset& cost) {
        color = cost.fieldIndex(QStringLiteral("Color"));
        dateFinish = cost.fieldIndex(QStringLiteral("DateFinish"));
        dateLast = cost.fieldIndex(QStringLiteral("DateLast"));
        paymentSum = cost.fieldIndex(QStringLiteral("Payment_Sum"));
        sum = cost.fieldIndex(QStringLiteral("Sum"));
    }
    CostRowValues at(const data::Dataset& cost, int row) const {
        return {cost.valueAt(row, color), cost.valueAt(row, dateFinish), cost.valueAt(row, dateLast),
                cost.valueAt(row, paymentSum), cost.valueAt(row, sum)};
    }
};

} // namespace

CostList::CostList(data::TDM4& dm, ui::Prompter& prompter, QWidget* parent)
    : QWidget(parent), m_dm(dm), m_prompter(prompter) {
    setObjectName(QStringLiteral("CostList"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    // The filter box; the main window may take it into its toolbar.
    m_filterWidget = new QWidget(this);
    auto* filterLayout = new QHBoxLayout(m_filterWidget);
    filterLayout->setContentsMargins(4, 2, 4, 2);
    auto* filterLabel = new QLabel(QStringLiteral("Фільтр"), m_filterWidget);
    QFont bold = filterLabel->font();
    bold.setBold(true);
    filterLabel->setFont(bold);
    m_filter = new QComboBox(m_filterWidget);
    m_filter->setObjectName(QStringLiteral("cbFilter"));
    m_filter->addItems(CostFilterItems());
    filterLabel->setBuddy(m_filter);
    filterLayout->addWidget(filterLabel);
    filterLayout->addWidget(m_filter);
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(m_filterWidget);
    filterRow->addStretch(1);
    layout->addLayout(filterRow);

    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("SortStrip"));
    strip->setFixedHeight(11);
    layout->addWidget(strip);

    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("DBGridCost"));
    m_model = new ui::DatasetModel(dm.TbCost(), costColumns(), this);
    m_grid->setModel(m_model);
    m_grid->setItemDelegate(new CostDelegate(m_grid));
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setWordWrap(false);
    m_grid->setAlternatingRowColors(false);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    // The row indicator column of the grid, under the creation-order button.
    m_grid->verticalHeader()->setFixedWidth(12);
    m_grid->horizontalHeader()->setHighlightSections(false);
    for (int c = 0; c < m_model->columnCount(); ++c)
        m_grid->setColumnWidth(c, m_model->column(c).width);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    m_grid->viewport()->installEventFilter(this);
    layout->addWidget(m_grid, 1);
    ui::linkCurrentRow(*m_grid, *m_model, [this](const QString& message) { m_prompter.error(message); });

    // Row painting through the model's roles, from the cached rows (no query while painting).
    auto fields = std::make_shared<CostFields>();
    data::Dataset& cost = dm.TbCost();
    fields->resolve(cost);
    connect(&cost, &data::Dataset::rowsReset, this, [fields, &cost] { fields->resolve(cost); });
    m_model->cellStyle = [fields, &cost](int row, int column, int role) -> QVariant {
        if (role != Qt::BackgroundRole || column >= 2)
            return {};
        const CostRowPaint p = PaintCostRow(fields->at(cost, row), QDate::currentDate());
        return p.mark ? QVariant(QBrush(*p.mark)) : QVariant();
    };
    m_model->rowStyle = [this, fields, &cost](int row, int role) -> QVariant {
        if (role != Qt::ForegroundRole && role != Qt::FontRole)
            return {};
        const CostRowPaint p = PaintCostRow(fields->at(cost, row), QDate::currentDate());
        if (role == Qt::ForegroundRole)
            return p.text ? QVariant(QBrush(*p.text)) : QVariant();
        if (!p.bold)
            return {};
        QFont f = m_grid->font();
        f.setBold(true);
        return f;
    };

    buildSortStrip(strip);
    buildPopup();

    connect(m_filter, &QComboBox::currentIndexChanged, this,
            [this](int state) { guarded([&] { ApplyCostFilter(m_dm.TbCost(), state); }); });
    connect(&cost, &data::Dataset::currentRowChanged, this, [this] { emit currentCostChanged(); });
    connect(m_grid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_popup->popup(m_grid->viewport()->mapToGlobal(at)); });
    QHeaderView* header = m_grid->horizontalHeader();
    connect(header, &QHeaderView::sectionResized, this, &CostList::placeSortButtons);
    connect(header, &QHeaderView::sectionMoved, this, &CostList::placeSortButtons);
    connect(header, &QHeaderView::geometriesChanged, this, &CostList::placeSortButtons);
    connect(m_grid->horizontalScrollBar(), &QScrollBar::valueChanged, this, &CostList::placeSortButtons);
}

CostList::~CostList() = default;

QTableView* CostList::grid() const {
    return m_grid;
}

ui::DatasetModel* CostList::model() const {
    return m_model;
}

QWidget* CostList::filterWidget() const {
    return m_filterWidget;
}

QComboBox* CostList::filterBox() const {
    return m_filter;
}

QMenu* CostList::popupMenu() const {
    return m_popup;
}

TNewCost& CostList::headerEditor() {
    if (!m_editor)
        m_editor = new TNewCost(m_dm, m_prompter, window());
    return *m_editor;
}

void CostList::buildSortStrip(QWidget* strip) {
    m_sortGroup = new QButtonGroup(this);
    m_sortGroup->setExclusive(true);
    strip->setStyleSheet(
        QStringLiteral("QToolButton { border: 1px solid palette(mid); background: palette(button); }"
                       "QToolButton:checked { background: rgb(92, 138, 214); border-color: "
                       "rgb(40, 80, 160); }"
                       "QToolButton:hover { background: rgb(166, 206, 255); }"));
    for (int i = 0; i < kSortKeyCount; ++i) {
        auto* b = new QToolButton(strip);
        b->setObjectName(QLatin1String(CostSortKey(i).button));
        b->setToolTip(CostSortKey(i).hint);
        b->setCheckable(true);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        m_sortGroup->addButton(b, i);
        m_sortButtons[size_t(i)] = b;
    }
    m_sortButtons[kDefaultSortKey]->setChecked(true);
    connect(m_sortGroup, &QButtonGroup::idClicked, this, [this] { applyCostOrder(); });
    placeSortButtons();
}

void CostList::buildPopup() {
    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("pMenuCost"));
    auto add = [this](const QString& text, auto slot) {
        QAction* a = m_popup->addAction(text);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    auto later = [this](const QString& text, const QKeySequence& key = {}) {
        QAction* a = m_popup->addAction(text);
        a->setShortcut(key);
        a->setEnabled(false); // the copy, the parameter editor, the calculation and printing come later
        return a;
    };
    add(QStringLiteral("Створити"), &CostList::createCost);
    add(QStringLiteral("Змінити"), &CostList::editHeader);
    add(QStringLiteral("Видалити"), &CostList::deleteCost);
    later(QStringLiteral("Копіювати"));
    add(QStringLiteral("Сплачено"), &CostList::setPaid);
    m_popup->addSeparator();
    later(QStringLiteral("Параметри"));
    later(QStringLiteral("Обчислити"), QKeySequence(Qt::Key_F5));
    later(QStringLiteral("Перегляд"), QKeySequence(Qt::CTRL | Qt::Key_P));
    m_popup->addSeparator();
    add(QStringLiteral("Маркувати"), &CostList::markCost);
    add(QStringLiteral("Зняти маркування"), &CostList::unmarkCost);
}

void CostList::placeSortButtons() {
    if (!m_grid || !m_sortButtons[0])
        return;
    const QHeaderView* header = m_grid->horizontalHeader();
    const int origin = m_grid->frameWidth() + m_grid->verticalHeader()->width();
    // The creation-order button sits over the row indicator column.
    m_sortButtons[0]->setGeometry(m_grid->frameWidth(), 0, m_grid->verticalHeader()->width(), 11);
    std::array<bool, kSortKeyCount> placed{};
    placed[0] = true;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        const int key = sortKeyOfField(m_model->column(logical).field);
        if (key < 0 || header->isSectionHidden(logical))
            continue;
        const int left = origin + header->sectionViewportPosition(logical);
        const int width = header->sectionSize(logical);
        m_sortButtons[size_t(key)]->setGeometry(left + 2, 0, std::max(0, width - 4), 11);
        placed[size_t(key)] = true;
    }
    for (int i = 0; i < kSortKeyCount; ++i)
        m_sortButtons[size_t(i)]->setVisible(placed[size_t(i)]);
}

int CostList::sortKey() const {
    const int id = m_sortGroup->checkedId();
    return id < 0 ? kDefaultSortKey : id;
}

void CostList::setSortKey(int key) {
    if (key < 0 || key >= kSortKeyCount)
        key = kDefaultSortKey;
    m_sortButtons[size_t(key)]->setChecked(true);
    applyCostOrder();
}

int CostList::filterState() const {
    return m_filter->currentIndex();
}

void CostList::setFilterState(int state) {
    m_filter->setCurrentIndex(std::clamp(state, 0, kFilterStateCount - 1));
}

QList<QVariant> CostList::actedOnKeys() const {
    QList<int> rows;
    for (const QModelIndex& i : m_grid->selectionModel()->selectedRows())
        rows << i.row();
    return ActedOnKeys(m_dm.TbCost(), rows);
}

template <typename F> void CostList::guarded(F&& command) {
    try {
        command();
    } catch (const std::exception& e) {
        m_prompter.error(QString::fromUtf8(e.what()));
    }
}

bool CostList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_grid->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        gridDoubleClicked();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CostList::gridDoubleClicked() {
    const data::Dataset& cost = m_dm.TbCost();
    if (!cost.isOpen() || cost.isEmpty())
        createCost();
    else
        emit editParametersRequested();
}

// --- commands ---

void CostList::createCost() {
    guarded([&] {
        data::Dataset& cost = m_dm.TbCost();
        if (!cost.isOpen())
            return;
        cost.append();
        if (headerEditor().execIn(ui::kModeNew) == ui::kResultOk)
            emit costCreated();
    });
}

void CostList::editHeader() {
    guarded([&] {
        data::Dataset& cost = m_dm.TbCost();
        if (!cost.isOpen() || cost.isEmpty() || cost.currentIndex() < 0)
            return;
        cost.edit();
        headerEditor().execIn(ui::kModeEdit);
    });
}

void CostList::deleteCost() {
    guarded([&] { DeleteCurrentCost(m_dm, m_prompter); });
}

void CostList::setPaid() {
    guarded([&] { PayCosts(m_dm, actedOnKeys(), QDate::currentDate()); });
}

void CostList::markCost() {
    guarded([&] {
        const QList<QVariant> keys = actedOnKeys();
        if (keys.isEmpty())
            return;
        const data::Dataset& cost = m_dm.TbCost();
        const int current = cost.value(QStringLiteral("Color")).toInt();
        const std::optional<QColor> color = m_prompter.chooseColor(
            current > 0 ? StoredToColor(current) : QColor(Qt::white), QStringLiteral("Маркувати"));
        if (color)
            MarkCosts(m_dm, keys, color);
    });
}

void CostList::unmarkCost() {
    guarded([&] { MarkCosts(m_dm, actedOnKeys(), std::nullopt); });
}

void CostList::first() {
    guarded([&] {
        if (m_dm.TbCost().isOpen())
            m_dm.TbCost().first();
    });
}

void CostList::prior() {
    guarded([&] {
        if (m_dm.TbCost().isOpen())
            m_dm.TbCost().prior();
    });
}

void CostList::next() {
    guarded([&] {
        if (m_dm.TbCost().isOpen())
            m_dm.TbCost().next();
    });
}

void CostList::last() {
    guarded([&] {
        if (m_dm.TbCost().isOpen())
            m_dm.TbCost().last();
    });
}

void CostList::save() {
    guarded([&] { SaveCosts(m_dm); });
}

void CostList::applyCostOrder() {
    guarded([&] { ApplyCostOrder(m_dm, sortKey()); });
}

} // namespace velta::estimates
