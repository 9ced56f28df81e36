// The estimate list as a window: commands on an empty list, the multi-selection against the
// current row, the colour dialog, the painting through the grid's roles, the filter box across
// the sort buttons, numbering of new estimates, double clicks and the sort strip.

#include "estimates/estimates_window.h"

#include "core/number_format.h"
#include "data/database.h"
#include "estimates/cost_rules.h"
#include "ui/dataset_model.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

using namespace velta;
using namespace velta::estimates;
using Kind = ui::ScriptedPrompter::Kind;

namespace {

class CostListTest : public test::EstimatesWindowFixture {
protected:
    void selectRows(const QList<int>& rows) {
        QItemSelectionModel* s = list->grid()->selectionModel();
        s->clearSelection();
        for (int r : rows)
            s->select(list->model()->index(r, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    QAbstractButton* sortButton(const char* name) { return list->findChild<QAbstractButton*>(name); }
};

TEST_F(CostListTest, CommandsOnAnEmptyListAskNothingAndChangeNothing) {
    list->deleteCost();
    list->setPaid();
    list->markCost();
    list->unmarkCost();
    list->first();
    list->prior();
    list->next();
    list->last();
    list->editHeader();
    list->save();
    EXPECT_TRUE(prompter.questions().isEmpty());
    EXPECT_TRUE(dm().TbCost().isEmpty());
    EXPECT_FALSE(list->headerEditor().isVisible());
}

TEST_F(CostListTest, MultiSelectionCommandsActOnTheSelectionElseOnTheCurrentRow) {
    struct Case {
        const char* command;
        std::function<void(CostList&)> run;
        std::function<bool(qint64)> changed;
    };
    const Case cases[] = {
        {"paid", [](CostList& l) { l.setPaid(); },
         [this](qint64 id) { return !stored(id, "Payment_Date").isNull(); }},
        {"mark", [](CostList& l) { l.markCost(); },
         [this](qint64 id) { return stored(id, "Color").toInt() == 0x0000FF; }},
        {"unmark", [](CostList& l) { l.unmarkCost(); },
         [this](qint64 id) { return stored(id, "Color").isNull(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        dm().velta()->run(R"(Delete From "Cost")", {});
        QList<qint64> ids;
        for (int i = 0; i < 5; ++i)
            ids << addCost(
                {{"Cost_Number", QString::number(i)}, {"Sum_Full", 100.0 * (i + 1)}, {"Color", 7}});
        list->setSortKey(0);
        // No multi-selection: the current row alone.
        dm().TbCost().moveTo(4);
        prompter.queueColor(QColor(255, 0, 0));
        c.run(*list);
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(c.changed(ids[i]), i == 4) << i;
        // Three rows selected while another is current: exactly those three.
        dm().velta()->run(R"(Update "Cost" Set "Color" = 7, "Payment_Date" = Null)", {});
        list->setSortKey(0);
        dm().TbCost().moveTo(3);
        selectRows({0, 1, 2});
        prompter.queueColor(QColor(255, 0, 0));
        c.run(*list);
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(c.changed(ids[i]), i < 3) << i;
        EXPECT_EQ(dm().TbCost().value("ID_Cost").toLongLong(), ids[3]); // the current row stays
        prompter.clear();
    }
}

TEST_F(CostListTest, PaidTakesTheShownSum) {
    const qint64 full = addCost({{"Sum_Full", 1200.0}, {"Sum_Real", 0.0}});
    const qint64 real = addCost({{"Sum_Full", 1200.0}, {"Sum_Real", 1000.0}});
    list->setSortKey(0);
    selectRows({0, 1});
    list->setPaid();
    EXPECT_DOUBLE_EQ(stored(full, "Payment_Sum").toDouble(), 1200.0);
    EXPECT_DOUBLE_EQ(stored(real, "Payment_Sum").toDouble(), 1000.0);
    EXPECT_EQ(stored(real, "Payment_Date").toDate(), QDate::currentDate());
    // Both now paid in full, so bold in the grid.
    for (int r = 0; r < 2; ++r)
        EXPECT_TRUE(list->model()->index(r, 2).data(Qt::FontRole).value<QFont>().bold()) << r;
}

TEST_F(CostListTest, CancelledColourDialogChangesNothing) {
    const qint64 id = addCost({{"Color", 42}});
    prompter.queueColor(std::nullopt);
    list->markCost();
    EXPECT_EQ(prompter.texts(Kind::Color).size(), 1);
    EXPECT_EQ(stored(id, "Color").toInt(), 42);
}

TEST_F(CostListTest, RowsArePaintedThroughTheGridsRoles) {
    const QDate today = QDate::currentDate();
    const qint64 marked = addCost({{"Cost_Number", "1"}, {"Color", ColorToStored(QColor(10, 200, 30))}});
    const qint64 overdue = addCost({{"Cost_Number", "2"}, {"DateLast", today}});
    const qint64 soon = addCost({{"Cost_Number", "3"}, {"DateLast", today.addDays(7)}});
    const qint64 later = addCost({{"Cost_Number", "4"}, {"DateLast", today.addDays(8)}});
    const qint64 done =
        addCost({{"Cost_Number", "5"}, {"DateLast", today.addDays(-3)}, {"DateFinish", today}});
    const qint64 paid = addCost({{"Cost_Number", "6"}, {"Sum_Full", 500.0}, {"Payment_Sum", 500.0}});
    const qint64 unpaid = addCost({{"Cost_Number", "7"}, {"Sum_Full", 0.0}, {"Payment_Sum", 0.0}});
    list->setSortKey(0);
    ui::DatasetModel& m = *list->model();
    auto text = [&](int row) { return m.index(row, 2).data(Qt::ForegroundRole); };
    auto bold = [&](int row) { return m.index(row, 5).data(Qt::FontRole).value<QFont>().bold(); };
    const QList<qint64> order = visibleKeys();
    ASSERT_EQ(order, QList<qint64>({marked, overdue, soon, later, done, paid, unpaid}));

    EXPECT_EQ(m.index(0, 0).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(10, 200, 30));
    EXPECT_EQ(m.index(0, 1).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(10, 200, 30));
    EXPECT_FALSE(m.index(0, 2).data(Qt::BackgroundRole).isValid());
    EXPECT_FALSE(m.index(1, 0).data(Qt::BackgroundRole).isValid());
    EXPECT_FALSE(text(0).isValid());
    EXPECT_EQ(text(1).value<QBrush>().color(), kOverdueText);
    EXPECT_EQ(text(2).value<QBrush>().color(), kDueSoonText);
    EXPECT_EQ(text(3).value<QBrush>().color(), kInWorkText);
    EXPECT_EQ(text(4).value<QBrush>().color(), kFinishedText);
    EXPECT_TRUE(bold(5));
    EXPECT_FALSE(bold(6));
    EXPECT_FALSE(bold(0));
}

TEST_F(CostListTest, FilterBoxHoldsWhenTheSortButtonsReorder) {
    const QDate d(2024, 1, 10);
    const qint64 open = addCost({{"Cost_Number", "b"}, {"Area", 1.0}, {"DateLast", d}});
    const qint64 plain = addCost({{"Cost_Number", "a"}, {"Area", 2.0}});
    const qint64 done = addCost({{"Cost_Number", "c"}, {"Area", 3.0}, {"DateFinish", d}});
    const qint64 done2 = addCost({{"Cost_Number", "d"}, {"Area", 0.5}, {"DateFinish", d}});
    EXPECT_EQ(list->filterBox()->count(), 3);
    EXPECT_EQ(list->filterBox()->currentText(), QStringLiteral("весь список"));

    list->filterBox()->setCurrentIndex(2);
    sortButton("sbSortArea")->click();
    EXPECT_EQ(list->sortKey(), 5);
    EXPECT_EQ(visibleKeys(), QList<qint64>({done2, done}));
    sortButton("sbSortNumber")->click();
    EXPECT_EQ(visibleKeys(), QList<qint64>({done, done2}));
    list->filterBox()->setCurrentIndex(1);
    sortButton("sbSortID")->click();
    EXPECT_EQ(visibleKeys(), QList<qint64>({open}));
    list->filterBox()->setCurrentIndex(0);
    EXPECT_EQ(visibleKeys(), QList<qint64>({open, plain, done, done2}));
}

TEST_F(CostListTest, NewEstimatesAreNumberedAfterTheLastCreated) {
    const QString today = QDate::currentDate().toString(core::NumberFormat::current().shortDateFormat);
    struct Case {
        QString previous; // empty: no estimate yet
        QString expected;
    };
    const Case cases[] = {
        {{}, "1"},
        {"12/ЗК/01.02.2012", "13/ЗК/" + today},
        {"AB0099", "AB0100"},
        {"AB99", "AB100"},
    };
    for (const Case& c : cases) {
        dm().velta()->run(R"(Delete From "Cost")", {});
        if (!c.previous.isEmpty()) {
            addCost({{"Cost_Number", "older"}});
            addCost({{"Cost_Number", c.previous}});
            addCost({{"ID_Cost", 0}, {"Cost_Number", "first"}}); // a smaller key: not the previous
        }
        dm().TbCost().refresh();
        list->setSortKey(1); // the list's order does not matter
        QString shown;
        const auto run = runEditor([&] { list->createCost(); },
                                   [&](TNewCost& e) {
                                       shown = static_cast<QLineEdit*>(e.input("Cost_Number"))->text();
                                       e.bCancelClick();
                                   });
        EXPECT_TRUE(run.shown);
        EXPECT_EQ(shown, c.expected) << c.previous.toStdString();
    }
}

TEST_F(CostListTest, DoubleClickCreatesOnAnEmptyListAndAsksForParametersOtherwise) {
    QSignalSpy parameters(list.get(), &CostList::editParametersRequested);
    list->show();
    const auto run = runEditor([&] { QTest::mouseDClick(list->grid()->viewport(), Qt::LeftButton); },
                               [](TNewCost& e) { e.bCancelClick(); });
    EXPECT_TRUE(run.shown);
    EXPECT_EQ(parameters.count(), 0);
    EXPECT_TRUE(dm().TbCost().isEmpty()); // cancelled: no row left

    addCost({{"Cost_Number", "1"}});
    const auto second = runEditor(
        [&] {
            const QRect cell = list->grid()->visualRect(list->model()->index(0, 2));
            QTest::mouseDClick(list->grid()->viewport(), Qt::LeftButton, {}, cell.center());
        },
        [](TNewCost& e) { e.bCancelClick(); });
    EXPECT_FALSE(second.shown);
    EXPECT_EQ(parameters.count(), 1);
}

TEST_F(CostListTest, SortButtonsLieOverTheirColumnsAndOneIsDown) {
    list->show();
    QTableView& grid = *list->grid();
    grid.setColumnWidth(2, 200);
    const int origin = grid.frameWidth() + grid.verticalHeader()->width();
    QAbstractButton* name = sortButton("sbSortName");
    EXPECT_EQ(name->x(), origin + grid.horizontalHeader()->sectionViewportPosition(2) + 2);
    EXPECT_EQ(name->width(), 196);
    EXPECT_EQ(name->toolTip(), QStringLiteral("Сортування по замовнику"));
    EXPECT_TRUE(sortButton("sbSortDate")->isChecked()); // the default key
    list->setSortKey(42);
    EXPECT_EQ(list->sortKey(), 2);
    sortButton("sbSortSum")->click();
    EXPECT_FALSE(sortButton("sbSortDate")->isChecked());
    EXPECT_EQ(list->sortKey(), 6);
}

TEST_F(CostListTest, SaveCommitsAndKeepsTheCurrentEstimate) {
    addCost({{"Cost_Number", "a"}});
    const qint64 b = addCost({{"Cost_Number", "b"}});
    addCost({{"Cost_Number", "c"}});
    list->setSortKey(0);
    dm().TbCost().locate("ID_Cost", b);
    dm().TbCost().edit();
    dm().TbCost().setValue("Cust_Name", "Київ");
    dm().TbCost().post();
    EXPECT_TRUE(committed(b, "Cust_Name").isNull());
    list->save();
    EXPECT_EQ(committed(b, "Cust_Name").toString(), QStringLiteral("Київ"));
    EXPECT_EQ(dm().TbCost().value("ID_Cost").toLongLong(), b);
}

TEST_F(CostListTest, DeleteAsksAndTheNextRowBecomesCurrent) {
    addCost({{"Cost_Number", "a"}});
    const qint64 b = addCost({{"Cost_Number", "b"}});
    list->setSortKey(0);
    dm().TbCost().first();
    prompter.queueConfirm(true);
    list->deleteCost();
    EXPECT_EQ(prompter.texts(Kind::Confirm), QStringList({"Бажаєте видалити кошторис - a ?"}));
    EXPECT_EQ(visibleKeys(), QList<qint64>({b}));
    EXPECT_EQ(committed(b, "Cost_Number").toString(), QStringLiteral("b"));
}

} // namespace
