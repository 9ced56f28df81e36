// The rules behind the estimate list's commands, on fresh databases: ordering with the Ukrainian
// alphabet, the record filter across reordering, row painting on the day boundaries, payment,
// marking, deleting and saving.

#include "estimates/cost_rules.h"
#include "estimates/estimates_fixture.h"

#include "data/database.h"
#include "ui/prompter.h"

#include <gtest/gtest.h>

using namespace velta;
using namespace velta::estimates;

namespace {

class CostRulesTest : public test::EstimatesFixture {
protected:
    QStringList visibleTexts(const QString& field) {
        data::Dataset& cost = dm().TbCost();
        QStringList texts;
        for (int i = 0; i < cost.recordCount(); ++i)
            texts << cost.valueAt(i, cost.fieldIndex(field)).toString();
        return texts;
    }
};

TEST(CostOrder, SelectTextGetsTheKeysClauseInPlaceOfTheOldOne) {
    struct Case {
        QString select;
        int key;
        QString expected;
    };
    const Case cases[] = {
        {R"(Select * From "Cost")", 0, R"(Select * From "Cost" Order By "ID_Cost")"},
        {R"(Select * From "Cost" Order By "ID_Cost")", 6, R"(Select * From "Cost" Order By "Sum_Full")"},
        {R"(Select * From "Cost" Order By "Area")", 8, R"(Select * From "Cost" Order By "Payment_Date")"},
        // Only "Order By" in exactly this spelling starts the clause.
        {R"(Select * From "Cost" order by "Area")", 2,
         R"(Select * From "Cost" order by "Area" Order By "Cost_Date")"},
        {R"(Select * From "Cost")", 3,
         R"(Select * From "Cost" Order By CAST("Cust_Name" AS VARCHAR(250) CHARACTER SET WIN1251) COLLATE WIN1251_UA)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CostSelectWithOrder(c.select, c.key), c.expected) << c.key;
    // Reordering twice leaves one clause.
    const QString twice = CostSelectWithOrder(CostSelectWithOrder(R"(Select * From "Cost")", 1), 4);
    EXPECT_EQ(twice.count(QStringLiteral("Order By")), 1);
    EXPECT_EQ(CostSortKey(7).hint, QStringLiteral("Сортування за сумою сплати"));
}

TEST_F(CostRulesTest, TextKeysSortInUkrainianAlphabeticalOrder) {
    const QStringList names = {"Ярослав", "Іван", "Борис", "Ґрунт", "Андрій", "Євген", "Їжак"};
    for (int i = 0; i < names.size(); ++i)
        addCost({{"Cust_Name", names[i]}, {"Address", names[names.size() - 1 - i]}});
    const QStringList alphabetical = {"Андрій", "Борис", "Ґрунт", "Євген", "Іван", "Їжак", "Ярослав"};
    ApplyCostOrder(dm(), 3);
    EXPECT_EQ(visibleTexts("Cust_Name"), alphabetical);
    ApplyCostOrder(dm(), 4);
    EXPECT_EQ(visibleTexts("Address"), alphabetical);
}

TEST_F(CostRulesTest, ReorderingKeepsTheCurrentEstimateAndSumsOrderByTheFullSum) {
    // Sum shown: 50, 300, 200; full sums: 100, 300, 200.
    const qint64 a = addCost({{"Cost_Number", "1"}, {"Sum_Full", 100.0}, {"Sum_Real", 50.0}});
    const qint64 b = addCost({{"Cost_Number", "2"}, {"Sum_Full", 300.0}});
    const qint64 c = addCost({{"Cost_Number", "3"}, {"Sum_Full", 200.0}});
    ASSERT_TRUE(dm().TbCost().locate("ID_Cost", c));
    ApplyCostOrder(dm(), 6);
    EXPECT_EQ(visibleKeys(), QList<qint64>({a, c, b}));
    EXPECT_EQ(dm().TbCost().value("ID_Cost").toLongLong(), c);
    ApplyCostOrder(dm(), 0);
    EXPECT_EQ(visibleKeys(), QList<qint64>({a, b, c}));
    EXPECT_EQ(dm().TbCost().value("ID_Cost").toLongLong(), c);
}

TEST_F(CostRulesTest, FilterStatesHoldAcrossReordering) {
    const QDate d(2024, 5, 1);
    const qint64 noDates = addCost({{"Cost_Number", "a"}, {"Area", 4.0}});
    const qint64 inWork = addCost({{"Cost_Number", "b"}, {"Area", 3.0}, {"DateLast", d}});
    const qint64 done = addCost({{"Cost_Number", "c"}, {"Area", 2.0}, {"DateFinish", d}});
    const qint64 doneLate =
        addCost({{"Cost_Number", "d"}, {"Area", 1.0}, {"DateLast", d}, {"DateFinish", d.addDays(9)}});
    struct Case {
        int state;
        QList<qint64> byId, byArea;
    };
    const Case cases[] = {
        {0, {noDates, inWork, done, doneLate}, {doneLate, done, inWork, noDates}},
        {1, {inWork}, {inWork}},
        {2, {done, doneLate}, {doneLate, done}},
    };
    for (const Case& c : cases) {
        ApplyCostOrder(dm(), 0);
        ApplyCostFilter(dm().TbCost(), c.state);
        EXPECT_EQ(visibleKeys(), c.byId) << c.state;
        ApplyCostOrder(dm(), 5);
        EXPECT_EQ(visibleKeys(), c.byArea) << c.state;
    }
}

TEST(CostPaint, ColoursAndBoldOnTheDayBoundaries) {
    const QDate today(2024, 3, 10);
    struct Case {
        const char* what;
        CostRowValues row;
        std::optional<QColor> text;
        bool bold;
    };
    const Case cases[] = {
        {"no dates", {}, std::nullopt, false},
        {"finished although overdue", {{}, today, today.addDays(-30), {}, {}}, kFinishedText, false},
        {"deadline today", {{}, {}, today, {}, {}}, kOverdueText, false},
        {"deadline past", {{}, {}, today.addDays(-1), {}, {}}, kOverdueText, false},
        {"deadline in 7 days", {{}, {}, today.addDays(7), {}, {}}, kDueSoonText, false},
        {"deadline in 8 days", {{}, {}, today.addDays(8), {}, {}}, kInWorkText, false},
        {"paid the sum", {{}, {}, {}, 1200.0, 1200.0}, std::nullopt, true},
        {"paid more", {{}, {}, {}, 1300.0, 1200.0}, std::nullopt, true},
        {"paid less", {{}, {}, {}, 1199.99, 1200.0}, std::nullopt, false},
        {"nothing paid, nothing due", {{}, {}, {}, 0.0, 0.0}, std::nullopt, false},
        {"no payment", {{}, {}, {}, {}, 500.0}, std::nullopt, false},
        // The payment column keeps six decimals of a sum that had more.
        {"paid a sum of seven decimals", {{}, {}, {}, 100.123457, 100.1234567}, std::nullopt, true},
    };
    for (const Case& c : cases) {
        const CostRowPaint p = PaintCostRow(c.row, today);
        EXPECT_EQ(p.text, c.text) << c.what;
        EXPECT_EQ(p.bold, c.bold) << c.what;
        EXPECT_FALSE(p.mark) << c.what;
    }
    // The mark colour: red in the low byte; 0 and null mean unmarked.
    EXPECT_EQ(PaintCostRow({0x00FF8000, {}, {}, {}, {}}, today).mark, QColor(0, 0x80, 0xFF));
    EXPECT_EQ(ColorToStored(QColor(1, 2, 3)), 0x030201);
    EXPECT_FALSE(PaintCostRow({0, {}, {}, {}, {}}, today).mark);
    EXPECT_FALSE(PaintCostRow({QVariant(), {}, {}, {}, {}}, today).mark);
}

TEST_F(CostRulesTest, PaidRecordsTheShownSumForEachKeyAndKeepsTheCurrentRow) {
    const qint64 full = addCost({{"Sum_Full", 1200.0}, {"Sum_Real", 0.0}});
    const qint64 real = addCost({{"Sum_Full", 1200.0}, {"Sum_Real", 1000.0}});
    const qint64 other = addCost({{"Sum_Full", 10.0}});
    ASSERT_TRUE(dm().TbCost().locate("ID_Cost", other));
    const QDate today(2024, 3, 10);
    PayCosts(dm(), {full, real}, today);
    EXPECT_DOUBLE_EQ(stored(full, "Payment_Sum").toDouble(), 1200.0);
    EXPECT_DOUBLE_EQ(stored(real, "Payment_Sum").toDouble(), 1000.0);
    EXPECT_EQ(stored(real, "Payment_Date").toDate(), today);
    EXPECT_TRUE(stored(other, "Payment_Sum").isNull());
    EXPECT_EQ(dm().TbCost().value("ID_Cost").toLongLong(), other);
    // Committed: a second attachment sees it.
    EXPECT_DOUBLE_EQ(committed(real, "Payment_Sum").toDouble(), 1000.0);
}

TEST_F(CostRulesTest, MarkAndUnmarkChangeExactlyTheKeys) {
    const qint64 a = addCost({{"Cost_Number", "a"}});
    const qint64 b = addCost({{"Cost_Number", "b"}});
    const qint64 c = addCost({{"Cost_Number", "c"}, {"Color", 77}});
    MarkCosts(dm(), {a, b}, QColor(255, 0, 0));
    EXPECT_EQ(stored(a, "Color").toInt(), 255);
    EXPECT_EQ(stored(b, "Color").toInt(), 255);
    EXPECT_EQ(committed(b, "Color").toInt(), 255);
    EXPECT_EQ(stored(c, "Color").toInt(), 77);
    MarkCosts(dm(), {b, c}, std::nullopt);
    EXPECT_EQ(stored(a, "Color").toInt(), 255);
    EXPECT_TRUE(stored(b, "Color").isNull());
    EXPECT_TRUE(stored(c, "Color").isNull());
}

TEST_F(CostRulesTest, ActedOnKeysAreTheSelectionElseTheCurrentRow) {
    data::Dataset& cost = dm().TbCost();
    EXPECT_TRUE(ActedOnKeys(cost, {}).isEmpty());
    const qint64 a = addCost({});
    const qint64 b = addCost({});
    const qint64 c = addCost({});
    ApplyCostOrder(dm(), 0);
    cost.locate("ID_Cost", b);
    EXPECT_EQ(ActedOnKeys(cost, {}), QList<QVariant>({b}));
    const QList<QVariant> selected = ActedOnKeys(cost, {2, 0});
    ASSERT_EQ(selected.size(), 2);
    EXPECT_EQ(selected[0].toLongLong(), a);
    EXPECT_EQ(selected[1].toLongLong(), c);
}

TEST_F(CostRulesTest, DeleteAsksWithTheNumberAndRemovesTheEstimateWithItsSections) {
    ui::ScriptedPrompter prompter;
    EXPECT_FALSE(DeleteCurrentCost(dm(), prompter)); // empty list: nothing asked
    EXPECT_TRUE(prompter.questions().isEmpty());

    const qint64 id = addCost({{"Cost_Number", "12/ЗК"}});
    dm().velta()->run(R"(Insert Into "CostSrv" ("ID_CostSrv", "ID_Cost", "ID_Service") Values (1, :id, 1))",
                      {{"id", id}});
    dm().velta()->run(
        R"(Insert Into "CostLnk" ("ID_CostLnk", "ID_Cost", "ID_Service", "Number") Values (1, :id, 1, 1))",
        {{"id", id}});
    ApplyCostOrder(dm(), 0);

    prompter.queueConfirm(false);
    EXPECT_FALSE(DeleteCurrentCost(dm(), prompter));
    EXPECT_EQ(prompter.texts(ui::ScriptedPrompter::Kind::Confirm),
              QStringList({"Бажаєте видалити кошторис - 12/ЗК ?"}));
    EXPECT_EQ(scalar(R"(Select Count(*) From "Cost")").toInt(), 1);

    prompter.queueConfirm(true);
    EXPECT_TRUE(DeleteCurrentCost(dm(), prompter));
    EXPECT_TRUE(dm().TbCost().isEmpty());
    EXPECT_EQ(scalar(R"(Select Count(*) From "Cost")").toInt(), 0);
    EXPECT_EQ(scalar(R"(Select Count(*) From "CostLnk")").toInt(), 0);
}

} // namespace
