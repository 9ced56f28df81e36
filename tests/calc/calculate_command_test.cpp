// The Calculate command as the main window runs it: on the estimate current
// in the data module, with the visible lists reloaded and their current rows
// found again afterwards.

#include "calc/calculate_command.h"
#include "core/ini_file.h"
#include "core/settings.h"
#include "data/tdm4.h"
#include "store_fixture.h"

using namespace velta::calc;
using namespace velta::calc::test;
using velta::data::Dataset;
using velta::data::TDM4;

namespace {

class CurrentEstimate : public StoreFixture {
protected:
    void SetUp() override {
        StoreFixture::SetUp();
        TDM4::Options o;
        o.workingFolder = folder().path();
        dm = std::make_unique<TDM4>(o);
        ASSERT_TRUE(dm->start()) << dm->connectionError().toStdString();
        ASSERT_TRUE(dm->TbCost().locate(QStringLiteral("ID_Cost"), 1));
    }

    bool calculate() { return CalculateCurrentEstimate(*dm, kSettings()); }

    static QVariant current(Dataset& d, const char* field) { return d.value(QString::fromLatin1(field)); }

    // A row's index among the rows of a dataset, by one field; -1 when absent.
    static int rowOf(Dataset& d, const char* field, const QVariant& value) {
        const int f = d.fieldIndex(QString::fromLatin1(field));
        for (int r = 0; r < d.recordCount(); ++r)
            if (d.valueAt(r, f) == value)
                return r;
        return -1;
    }

    std::unique_ptr<TDM4> dm;
};

TEST_F(CurrentEstimate, CalculatesAndFindsTheCurrentRowsAgain) {
    Dataset& lnk = dm->TbCostLnk();
    Dataset& param = dm->TbCostParam();
    Dataset& value = dm->TbCostValue();
    ASSERT_EQ(current(lnk, "ID_CostLnk").toInt(), 1);

    ASSERT_TRUE(calculate());
    // The header row shows the stored sums, the lists the new rows.
    EXPECT_DOUBLE_EQ(current(dm->TbCost(), "Sum_Full").toDouble(), 4119.59);
    EXPECT_DOUBLE_EQ(current(dm->TbCost(), "Sum").toDouble(), 4119.59);
    EXPECT_EQ(lnk.recordCount(), 2); // the general provisions were added
    EXPECT_EQ(current(lnk, "ID_CostLnk").toInt(), 1);
    EXPECT_EQ(param.recordCount(), 2);
    EXPECT_EQ(value.recordCount(), 2);
    EXPECT_EQ(current(value, "Name").toString(), QStringLiteral("т. 1"));

    // Committed: another attachment reads the result.
    {
        auto other = openDatabase(folder().estimatesPath());
        EXPECT_EQ(estimateRows(*other), calculatedEstimateOne());
    }

    // Make the general provisions current, their index line and their sum
    // parameter; the lines get new keys at every run.
    ASSERT_TRUE(lnk.locate(QStringLiteral("Number"), 99));
    const QVariant general = current(lnk, "ID_CostLnk");
    ASSERT_TRUE(value.locate(QStringLiteral("ID_ServiceKof"), 9901));
    const QVariant indexLine = current(value, "ID_CostValue");
    const QVariant sumParam = current(param, "ID_CostParam");
    ASSERT_TRUE(calculate());
    EXPECT_EQ(current(lnk, "ID_CostLnk"), general);
    EXPECT_EQ(current(param, "ID_CostParam"), sumParam);
    EXPECT_NE(current(value, "ID_CostValue"), indexLine);
    EXPECT_EQ(current(value, "ID_ServiceKof").toInt(), 9901);

    // Back to the priced section, its second parameter and its note line.
    ASSERT_TRUE(lnk.locate(QStringLiteral("ID_CostLnk"), 1));
    ASSERT_TRUE(param.locate(QStringLiteral("ID_TypeParameter"), 9002));
    const QVariant noteParam = current(param, "ID_CostParam");
    ASSERT_TRUE(value.locate(QStringLiteral("ID_TypeValue"), 1));
    ASSERT_TRUE(calculate());
    EXPECT_EQ(current(lnk, "ID_CostLnk").toInt(), 1);
    EXPECT_EQ(current(param, "ID_CostParam"), noteParam);
    EXPECT_EQ(current(value, "Name").toString(), QStringLiteral("п. 3 прим."));
    EXPECT_EQ(value.currentIndex(), rowOf(value, "ID_TypeValue", 1));
}

TEST_F(CurrentEstimate, APendingEditIsCalculatedNotLost) {
    Dataset& param = dm->TbCostParam();
    ASSERT_TRUE(param.locate(QStringLiteral("ID_TypeParameter"), 9001));
    param.edit();
    param.setValue(QStringLiteral("PValue"), 20.0);
    ASSERT_TRUE(calculate());
    EXPECT_EQ(param.state(), Dataset::State::Browse);
    EXPECT_DOUBLE_EQ(current(param, "PValue").toDouble(), 20);
    EXPECT_DOUBLE_EQ(current(dm->TbCostLnk(), "Sum").toDouble(), 5000); // 200 * 20 * 1.25
}

TEST_F(CurrentEstimate, AFailedCommandLeavesRowsAndListsAsTheyWere) {
    dm->service()->run(
        QStringLiteral(R"(UPDATE "ServiceNote" SET "Formula" = 'n*(' WHERE "ID_ServiceNote" = 99002)"), {});
    const QStringList before = everyEstimateRow(*dm->velta());
    EXPECT_THROW(calculate(), CalcError);
    EXPECT_EQ(everyEstimateRow(*dm->velta()), before);
    EXPECT_EQ(dm->TbCostLnk().recordCount(), 1);
    EXPECT_EQ(current(dm->TbCostLnk(), "ID_CostLnk").toInt(), 1);
}

TEST_F(CurrentEstimate, WithoutACurrentEstimateNothingHappens) {
    dm->TbCost().setFilter(QStringLiteral("ID_Cost = 0"));
    dm->TbCost().setFiltered(true);
    ASSERT_TRUE(dm->TbCost().isEmpty());
    const QStringList before = everyEstimateRow(*dm->velta());
    EXPECT_FALSE(calculate());
    EXPECT_EQ(everyEstimateRow(*dm->velta()), before);
}

TEST_F(CurrentEstimate, TheSettingsAreReadFromTheWorkingFolderAtEveryRun) {
    namespace keys = velta::core::ini_keys;
    velta::core::IniFile ini(velta::core::iniPath(folder().path()));
    ASSERT_TRUE(ini.writeBool(keys::kOrganisation, keys::kNDS, false));
    ASSERT_TRUE(CalculateCurrentEstimate(*dm, folder().path()));
    EXPECT_DOUBLE_EQ(current(dm->TbCost(), "Sum_Full").toDouble(), 3432.99); // 3333 and expertise 99.99
    EXPECT_TRUE(current(dm->TbCost(), "PDV").isNull());

    ASSERT_TRUE(ini.writeBool(keys::kOrganisation, keys::kNDS, true));
    ASSERT_TRUE(CalculateCurrentEstimate(*dm, folder().path()));
    EXPECT_DOUBLE_EQ(current(dm->TbCost(), "Sum_Full").toDouble(), 4119.59);
}

} // namespace
