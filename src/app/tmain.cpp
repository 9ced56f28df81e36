#include "app/tmain.h"

#include "app/tsetup.h"
#include "calc/calculate_command.h"
#include "core/registry.h"
#include "data/tdm4.h"
#include "ui/dataset_model.h"
#include "ui/program_info.h"
#include "ui/prompter.h"

#include <QAction>
#include <QCloseEvent>
#include <QEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QShowEvent>
#include <QSplitter>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

#include <exception>

namespace velta::app {

namespace {

using Column = ui::DatasetColumn;
using Format = ui::DatasetColumn::Format;

// A column without a designed width of its own gets the grid's default, 64 pixels.
constexpr int kDefaultColumnWidth = 64;
// Without velta.ini the value-line grid keeps its designed height, which is not the stored default.
constexpr int kDesignedValuePanelHeight = 110;

Column number(const char* field, const char* title, const char* pattern, int width = kDefaultColumnWidth) {
    return {.field = field, .title = title, .width = width, .format = Format::Number, .pattern = pattern};
}
Column text(const char* field, const char* title, int width = kDefaultColumnWidth, bool readOnly = false) {
    return {.field = field, .title = title, .width = width, .readOnly = readOnly};
}

std::vector<Column> collectionColumns() {
    return {number("Number", "Номер", "0", 40), text("Name", "Збірник", 200, true),
            number("Summ", "Сума", "0.00")};
}

std::vector<Column> sectionColumns() {
    return {number("Number", "Номер", "0", 40),
            text("Name", "Назва разділу", 200, true),
            number("Sum", "Сума", "0.00"),
            number("Sum_Field", "Польові", ""),
            number("Sum_Cameral", "Камеральні", ""),
            number("Kof", "Коефіцієнт", "0.000"),
            number("KofA", "Коеф.польові", "0.000"),
            number("KofB", "Коеф.кам-ні", "0.000"),
            number("DaysA", "Люд/дні пол-ві", "0.000"),
            number("DaysB", "Люд/дні кам-ні", "0.000")};
}

std::vector<Column> parameterColumns() {
    return {number("Number", "Номер", "0", 40), text("Name", "Назва параметру", 200, true),
            number("PValue", "Значення", "0.###")};
}

std::vector<Column> valueColumns() {
    return {text("FullName", "Найменування значення", 310),
            number("ID_TypeCalc", "Вид", ""),
            number("A", "A", "0.###"),
            number("ParamA", "Параметр", ""),
            number("DaysA", "Людино/дні", ""),
            number("B", "B", "0.###"),
            number("ParamB", "Параметр", ""),
            number("DaysB", "Людино/дні", ""),
            text("Formula", "Формула", 147),
            number("Kof", "Коефіцієнт", "0.000")};
}

QTableView* makeGrid(const QString& name, QWidget* parent) {
    auto* grid = new QTableView(parent);
    grid->setObjectName(name);
    grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    grid->setAlternatingRowColors(false);
    grid->setWordWrap(false);
    grid->verticalHeader()->setDefaultSectionSize(18);
    grid->verticalHeader()->setFixedWidth(12);
    grid->horizontalHeader()->setDefaultSectionSize(kDefaultColumnWidth);
    grid->horizontalHeader()->setMinimumSectionSize(8);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    return grid;
}

// Widths by position: the restored ones first, the designed ones for the columns after them.
void applyWidths(QTableView* grid, const QList<int>& restored) {
    const auto* model = qobject_cast<const ui::DatasetModel*>(grid->model());
    if (!model)
        return;
    for (int c = 0; c < model->columnCount(); ++c) {
        const int designed = model->column(c).width > 0 ? model->column(c).width : kDefaultColumnWidth;
        grid->horizontalHeader()->resizeSection(c, c < restored.size() ? restored[c] : designed);
    }
}

QList<int> widthsOf(const QTableView* grid, const QList<int>& fallback) {
    if (!grid || !grid->model())
        return fallback;
    QList<int> widths;
    for (int c = 0; c < grid->model()->columnCount(); ++c)
        widths << grid->horizontalHeader()->sectionSize(c);
    return widths;
}

} // namespace

QString mainCaption() {
    return QStringLiteral("Кошториси на виконання земельно-кадастрових та проектно-вишукувальних робіт ") +
           ui::programVersion() + QLatin1Char(' ') + ui::editionLabel();
}

TMain::TMain(QString workingFolder, ui::Prompter& prompter, QWidget* parent)
    : QMainWindow(parent), m_workingFolder(std::move(workingFolder)), m_prompter(prompter) {
    setObjectName("TMain");
    setWindowTitle(mainCaption());
    m_interface.valuePanelHeight = kDesignedValuePanelHeight;
    buildActions();
    buildMenus();
    buildToolBar();
    buildPanels();
    buildStatusBar();
    applySizes();
    resize(1280, 860);
}

TMain::~TMain() = default;

void TMain::buildPanels() {
    m_mainSplitter = new QSplitter(Qt::Vertical, this);
    m_mainSplitter->setObjectName("Splitter1");
    m_mainSplitter->setChildrenCollapsible(false);
    m_mainSplitter->setHandleWidth(4);

    m_estimateArea = new QWidget(m_mainSplitter);
    m_estimateArea->setObjectName("PanelCost");
    m_estimateLayout = new QVBoxLayout(m_estimateArea);
    m_estimateLayout->setContentsMargins(0, 0, 0, 0);
    m_estimateLayout->setSpacing(0);
    // The estimate list comes with the data module; an empty grid stands in for it until then.
    auto* placeholder = makeGrid("DBGridCost", m_estimateArea);
    placeholder->setContextMenuPolicy(Qt::NoContextMenu);
    m_placeholder = placeholder;
    m_estimateLayout->addWidget(m_placeholder);

    m_bottomPanel = new QWidget(m_mainSplitter);
    m_bottomPanel->setObjectName("PanelBottom");
    auto* bottomLayout = new QVBoxLayout(m_bottomPanel);
    bottomLayout->setContentsMargins(0, 0, 0, 0);
    m_bottomSplitter = new QSplitter(Qt::Vertical, m_bottomPanel);
    m_bottomSplitter->setObjectName("Splitter4");
    m_bottomSplitter->setChildrenCollapsible(false);
    m_bottomSplitter->setHandleWidth(4);
    bottomLayout->addWidget(m_bottomSplitter);

    m_upperSplitter = new QSplitter(Qt::Horizontal, m_bottomSplitter);
    m_upperSplitter->setObjectName("Splitter2");
    m_upperSplitter->setChildrenCollapsible(false);
    m_upperSplitter->setHandleWidth(4);
    m_srvGrid = makeGrid("DBGridCostSrv", m_upperSplitter);
    m_lnkGrid = makeGrid("DBGridCostLnk", m_upperSplitter);
    m_paramGrid = makeGrid("DBGridCostParam", m_upperSplitter);
    m_valueGrid = makeGrid("DBGridCostValue", m_bottomSplitter);

    // Growing the window grows the estimate list, the sections grid and the three upper grids;
    // the panels the user sized keep their sizes.
    m_mainSplitter->setStretchFactor(0, 1);
    m_mainSplitter->setStretchFactor(1, 0);
    m_bottomSplitter->setStretchFactor(0, 1);
    m_bottomSplitter->setStretchFactor(1, 0);
    m_upperSplitter->setStretchFactor(0, 0);
    m_upperSplitter->setStretchFactor(1, 1);
    m_upperSplitter->setStretchFactor(2, 0);

    connect(m_srvGrid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { m_srvMenu->popup(m_srvGrid->viewport()->mapToGlobal(p)); });
    connect(m_lnkGrid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { m_lnkMenu->popup(m_lnkGrid->viewport()->mapToGlobal(p)); });
    // A double click on any bottom grid opens the parameter editor.
    for (QTableView* grid : {m_srvGrid, m_lnkGrid, m_paramGrid, m_valueGrid}) {
        connect(grid, &QAbstractItemView::doubleClicked, this, [this] {
            QAction* editor = action("nEditParam");
            if (editor->isEnabled())
                editor->trigger();
        });
    }

    setCentralWidget(m_mainSplitter);
}

// --- data ---

void TMain::attachData(data::TDM4* dm) {
    m_dm = dm;
    if (!dm)
        return;
    bindCostList();
    bindBottomGrids();
    applyColumnWidths();
    for (const char* name : {"tbCalc", "nCalc", "aCalc"})
        action(QString::fromLatin1(name))->setEnabled(true);
}

void TMain::bindCostList() {
    // The estimate list's own widget is still to come: a plain grid over the estimates shows them.
    auto* grid = qobject_cast<QTableView*>(m_placeholder);
    if (!grid || grid->model())
        return;
    using F = Format;
    auto* model = new ui::DatasetModel(
        m_dm->TbCost(),
        {{.field = "Cost_Number", .title = "Номер", .width = 82},
         {.field = "Cost_Date", .title = "Дата", .width = 94, .format = F::Date},
         {.field = "Cust_Name", .title = "Замовник", .width = 305},
         {.field = "Address", .title = "Адреса земельної ділянки", .width = 292},
         {.field = "Area", .title = "Площа, кв.м", .width = 88, .format = F::Number, .pattern = "0.00"},
         {.field = "Sum", .title = "Сума, грн", .width = 93, .format = F::Number, .pattern = "0.00"},
         {.field = "Payment_Sum",
          .title = "Сплачено, грн",
          .width = 93,
          .format = F::Number,
          .pattern = "0.00"},
         {.field = "Payment_Date",
          .title = "Дата сплати",
          .width = 93,
          .format = F::Date,
          .alignment = Qt::AlignCenter}},
        grid);
    grid->setModel(model);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui::linkCurrentRow(*grid, *model, [this](const QString& message) { m_prompter.error(message); });
}

void TMain::bindBottomGrids() {
    auto bind = [this](QTableView* grid, ui::DatasetModel*& model, data::Dataset& ds,
                       std::vector<Column> columns) {
        model = new ui::DatasetModel(ds, std::move(columns), grid);
        model->setEditable(true);
        model->writeFailed = [this](const QString& message) { m_prompter.error(message); };
        // Each edit is a command of its own: it is committed at once.
        model->posted = [this](int) { runGuarded([this] { m_dm->commit(); }); };
        grid->setModel(model);
        ui::linkCurrentRow(*grid, *model, [this](const QString& message) { m_prompter.error(message); });
    };
    bind(m_srvGrid, m_srvModel, m_dm->TbCostSrv(), collectionColumns());
    bind(m_lnkGrid, m_lnkModel, m_dm->TbCostLnk(), sectionColumns());
    bind(m_paramGrid, m_paramModel, m_dm->TbCostParam(), parameterColumns());
    bind(m_valueGrid, m_valueModel, m_dm->TbCostValue(), valueColumns());
}

QTableView* TMain::costGrid() const {
    return qobject_cast<QTableView*>(m_placeholder);
}

void TMain::calculate() {
    if (!m_dm)
        return;
    runGuarded([this] { calc::CalculateCurrentEstimate(*m_dm, m_workingFolder); });
}

void TMain::runGuarded(const std::function<void()>& command) {
    try {
        command();
    } catch (const std::exception& e) {
        m_prompter.error(QString::fromUtf8(e.what()));
    }
}

void TMain::openSettings() {
    if (settingsRequested) {
        settingsRequested();
        return;
    }
    if (!m_setup)
        m_setup = std::make_unique<TSetup>(m_workingFolder, core::Registry::system(), this);
    m_setup->showSettings();
}

// --- the bottom panel ---

void TMain::setBottomPanelShown(bool shown) {
    QAction* toggle = action("tbPanel");
    if (toggle->isChecked() != shown)
        toggle->setChecked(shown); // comes back here through toggled
    if (shown == !m_bottomPanel->isHidden())
        return;
    if (shown) {
        // The panel first and its splitter above it (the splitter's handle follows the panel).
        m_bottomPanel->show();
        QList<int> sizes = m_mainSplitter->sizes();
        const int total = sizes.value(0) + sizes.value(1);
        if (total > m_interface.bottomPanelHeight)
            m_mainSplitter->setSizes({total - m_interface.bottomPanelHeight, m_interface.bottomPanelHeight});
        if (m_innerSizesPending && m_bottomPanel->isVisible())
            applyInnerSizes();
    } else {
        rememberSizes();
        m_bottomPanel->hide();
    }
}

bool TMain::isBottomPanelShown() const {
    return action("tbPanel")->isChecked();
}

// While the panel is on screen its sizes are read from it; hidden, or before the window was ever
// shown, the values it had (or was given) stand.
int TMain::bottomPanelHeight() const {
    return m_bottomPanel->isVisible() ? m_bottomPanel->height() : m_interface.bottomPanelHeight;
}
int TMain::valuePanelHeight() const {
    return m_valueGrid->isVisible() && !m_innerSizesPending ? m_valueGrid->height()
                                                            : m_interface.valuePanelHeight;
}
int TMain::collectionsPanelWidth() const {
    return m_srvGrid->isVisible() && !m_innerSizesPending ? m_srvGrid->width()
                                                          : m_interface.collectionsPanelWidth;
}
int TMain::sectionsPanelWidth() const {
    return m_lnkGrid->isVisible() && !m_innerSizesPending ? m_lnkGrid->width()
                                                          : m_interface.sectionsPanelWidth;
}
int TMain::parametersPanelWidth() const {
    return m_paramGrid->isVisible() && !m_innerSizesPending ? m_paramGrid->width()
                                                            : m_interface.paramsPanelWidth;
}

void TMain::rememberSizes() {
    const int bottom = bottomPanelHeight();
    const int value = valuePanelHeight();
    const int collections = collectionsPanelWidth();
    const int sections = sectionsPanelWidth();
    const int params = parametersPanelWidth();
    m_interface.bottomPanelHeight = bottom;
    m_interface.valuePanelHeight = value;
    m_interface.collectionsPanelWidth = collections;
    m_interface.sectionsPanelWidth = sections;
    m_interface.paramsPanelWidth = params;
}

void TMain::applySizes() {
    const int total = std::max(m_mainSplitter->height(), m_interface.bottomPanelHeight + 200);
    m_mainSplitter->setSizes({total - m_interface.bottomPanelHeight, m_interface.bottomPanelHeight});
    applyInnerSizes();
}

void TMain::applyInnerSizes() {
    m_bottomSplitter->setSizes({std::max(1, m_interface.bottomPanelHeight - m_interface.valuePanelHeight),
                                m_interface.valuePanelHeight});
    m_upperSplitter->setSizes(
        {m_interface.collectionsPanelWidth, m_interface.sectionsPanelWidth, m_interface.paramsPanelWidth});
    m_innerSizesPending = !m_bottomPanel->isVisible();
}

void TMain::applyColumnWidths() {
    // Without velta.ini every grid keeps its designed widths.
    const core::InterfaceSettings designed;
    auto restored = [this](const QList<int>& list) { return m_restored ? list : QList<int>(); };
    applyWidths(costGrid(), restored(m_interface.costColumnWidths));
    applyWidths(m_srvGrid, restored(m_interface.collectionsColumnWidths));
    applyWidths(m_lnkGrid, restored(m_interface.sectionsColumnWidths));
    applyWidths(m_paramGrid, restored(m_interface.paramsColumnWidths));
    applyWidths(m_valueGrid, restored(m_interface.valuesColumnWidths));
}

// --- "Интерфейс" ---

void TMain::restoreInterface() {
    if (!QFileInfo::exists(core::iniPath(m_workingFolder)))
        return;
    m_interface = core::InterfaceSettings::load(m_workingFolder);
    m_restored = true;
    // Sizes, the sort button and the column widths, the bottom panel, the print button.
    applySizes();
    applyColumnWidths();
    setBottomPanelShown(m_interface.bottomPanelVisible);
    setActivePrintCommand(QStringLiteral("aPrint1"));
    for (const char* name : kPrintCommands) {
        if (m_interface.activePrintButton == QLatin1String(name)) {
            setActivePrintCommand(m_interface.activePrintButton);
            break;
        }
    }
}

void TMain::storeInterface() {
    core::InterfaceSettings s = m_interface;
    s.bottomPanelHeight = bottomPanelHeight();
    s.valuePanelHeight = valuePanelHeight();
    s.sectionsPanelWidth = sectionsPanelWidth();
    s.collectionsPanelWidth = collectionsPanelWidth();
    s.paramsPanelWidth = parametersPanelWidth();
    bool writeKey = false;
    if (m_dm && m_dm->isServiceConnected() && m_dm->TbCost().isOpen() && !m_dm->TbCost().isEmpty()) {
        s.savedCostId = m_dm->TbCost().value(QStringLiteral("ID_Cost")).toInt();
        writeKey = true;
    }
    s.bottomPanelVisible = isBottomPanelShown();
    s.activePrintButton = activePrintCommand();
    s.costColumnWidths =
        widthsOf(costGrid() && costGrid()->model() ? costGrid() : nullptr, m_interface.costColumnWidths);
    s.collectionsColumnWidths =
        widthsOf(m_srvModel ? m_srvGrid : nullptr, m_interface.collectionsColumnWidths);
    s.sectionsColumnWidths = widthsOf(m_lnkModel ? m_lnkGrid : nullptr, m_interface.sectionsColumnWidths);
    s.paramsColumnWidths = widthsOf(m_paramModel ? m_paramGrid : nullptr, m_interface.paramsColumnWidths);
    s.valuesColumnWidths = widthsOf(m_valueModel ? m_valueGrid : nullptr, m_interface.valuesColumnWidths);
    if (!s.save(m_workingFolder, writeKey))
        m_prompter.error(QStringLiteral("Не вдалося записати файл %1").arg(core::iniPath(m_workingFolder)));
}

// --- events ---

void TMain::closeEvent(QCloseEvent* event) {
    if (closeRequested && !closeRequested()) {
        event->ignore();
        return;
    }
    event->accept();
}

void TMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (event->spontaneous())
        return;
    if (!m_shownOnce) {
        // The splitters know their room only now.
        m_shownOnce = true;
        const int bottom = m_interface.bottomPanelHeight;
        const int total = m_mainSplitter->height();
        if (!m_bottomPanel->isHidden() && total > bottom)
            m_mainSplitter->setSizes({total - bottom, bottom});
        if (m_bottomPanel->isVisible())
            applyInnerSizes();
    }
    emit shown();
}

void TMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        emit activated();
}

} // namespace velta::app
