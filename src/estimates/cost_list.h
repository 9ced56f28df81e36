#pragma once
// The estimate list of the main window: the strip of nine sort buttons, the filter box "Фільтр"
// and the estimate grid DBGridCost over TbCost with its pop-up menu pMenuCost. The current row of
// the grid is the current estimate of the whole program.
//
// The commands are slots so that the main window can bind its menu and toolbar actions to them;
// what each command does to the data lives in cost_rules.h, where tests call it without a window.

#include <QList>
#include <QVariant>
#include <QWidget>

#include <array>

class QAbstractButton;
class QAction;
class QButtonGroup;
class QComboBox;
class QMenu;
class QTableView;
class QToolButton;

namespace velta::data {
class TDM4;
}

namespace velta::ui {
class DatasetModel;
class Prompter;
} // namespace velta::ui

namespace velta::estimates {

class TNewCost;

class CostList : public QWidget {
    Q_OBJECT
public:
    CostList(data::TDM4& dm, ui::Prompter& prompter, QWidget* parent = nullptr);
    ~CostList() override;

    // The estimate grid DBGridCost and its model over TbCost.
    QTableView* grid() const;
    ui::DatasetModel* model() const;
    // The label "Фільтр" with the filter box cbFilter. It sits in the list's own strip until the
    // main window takes it into its toolbar (QToolBar::addWidget reparents it).
    QWidget* filterWidget() const;
    QComboBox* filterBox() const;
    // The pop-up menu of the grid.
    QMenu* popupMenu() const;
    // The header editor, created on first use and kept.
    TNewCost& headerEditor();

    // The pressed sort button, 0 to 8 (the value stored as "Сортировка записей").
    int sortKey() const;
    // Presses the button of key (out-of-range keys press the date button) and reorders the list.
    void setSortKey(int key);
    // The filter state, 0 "весь список", 1 "в роботі", 2 "виконані".
    int filterState() const;
    void setFilterState(int state);

    // The keys of the rows a multi-selection command acts on: the selected rows when at least one
    // is selected, else the current row alone, else none.
    QList<QVariant> actedOnKeys() const;

public slots:
    // Create (nCostAppendClick): a new row with its defaults, the header editor in mode "New".
    void createCost();
    // Edit header (nCostEditClick).
    void editHeader();
    // Delete (nCostDeleteClick), after the question; the current row only.
    void deleteCost();
    // "Сплачено", "Маркувати", "Зняти маркування": the multi-selection or the current row.
    void setPaid();
    void markCost();
    void unmarkCost();
    void first();
    void prior();
    void next();
    void last();
    // Save (tbSave2Click): commits both databases, the current estimate stays current.
    void save();
    // ApplyCostOrder for the pressed sort button; the current estimate stays current.
    void applyCostOrder();
    // Aligns the sort buttons over the column titles.
    void placeSortButtons();

signals:
    // The current estimate changed (navigation, create, delete, reorder, filter).
    void currentCostChanged();
    // A double click on a non-empty list: the parameter editor's command.
    void editParametersRequested();
    // A new estimate was saved by the header editor (mode "New" ended with "Ok"): the place where
    // the template list is offered.
    void costCreated();

protected:
    // Double clicks anywhere on the grid, also on an empty one.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildSortStrip(QWidget* strip);
    void buildPopup();
    void gridDoubleClicked();
    // Runs a command, showing an unexpected error in the standard error box.
    template <typename F> void guarded(F&& command);

    data::TDM4& m_dm;
    ui::Prompter& m_prompter;
    ui::DatasetModel* m_model = nullptr;
    QTableView* m_grid = nullptr;
    QWidget* m_filterWidget = nullptr;
    QComboBox* m_filter = nullptr;
    QButtonGroup* m_sortGroup = nullptr;
    std::array<QToolButton*, 9> m_sortButtons{};
    QMenu* m_popup = nullptr;
    TNewCost* m_editor = nullptr;
};

} // namespace velta::estimates
