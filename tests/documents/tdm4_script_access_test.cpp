// The report scripts' data functions against a real data module on fresh
// databases: the dispatcher, the adapter and TDM4's by-name operations
// together, as a template's script uses them.

#include "common/db_fixture.h"
#include "data/tdm4.h"
#include "documents/orvik_library.h"
#include "documents/tdm4_script_access.h"
#include "script/standard_library.h"

#include <gtest/gtest.h>

#include <memory>

using namespace velta;
using velta::documents::Tdm4ScriptAccess;
using velta::script::ScriptError;
using velta::script::Value;

namespace {

class Tdm4ScriptAccessTest : public velta::test::DbFixture {
protected:
    void SetUp() override {
        DbFixture::SetUp();
        data::TDM4::Options o;
        o.workingFolder = folder().path();
        o.nextCostNumber = [](const QString& previous) { return previous + QStringLiteral("+1"); };
        dm = std::make_unique<data::TDM4>(o);
        ASSERT_TRUE(dm->start()) << dm->connectionError().toStdString();
        // Three estimates; the second has no customer (a NULL column).
        const struct {
            const char* number;
            const char* customer;
            double area;
        } rows[] = {{"К-1", "Київ", 1.5}, {"К-2", nullptr, 2.25}, {"К-3", "Львів", 4}};
        for (const auto& r : rows) {
            dm->TbCost().append();
            dm->TbCost().setValue(QStringLiteral("Cost_Number"), QString::fromUtf8(r.number));
            if (r.customer)
                dm->TbCost().setValue(QStringLiteral("Cust_Name"), QString::fromUtf8(r.customer));
            dm->TbCost().setValue(QStringLiteral("Area"), r.area);
            dm->TbCost().post();
        }
        access = std::make_unique<Tdm4ScriptAccess>(*dm);
        script::registerStandardLibrary(script);
        documents::registerOrvikLibrary(script, access.get());
    }

    QString eval(const QString& expression) { return script.evaluate(expression).toString(); }

    std::unique_ptr<data::TDM4> dm;
    std::unique_ptr<Tdm4ScriptAccess> access;
    script::Script script;
};

TEST_F(Tdm4ScriptAccessTest, AScriptWalksTheEstimates) {
    script.load(QStringLiteral(R"(
var
  Numbers: String;
  Rows: Integer;
  Area: Extended;
  AtEnd: Boolean;
begin
  DataFirst('DM4.TbCost');
  while not DataEof('DM4.TbCost') do
  begin
    Numbers := Numbers + GetValue('DM4.TbCost', 'Cost_Number') + ';';
    Area := Area + GetValue('dm4.tbcost', 'Area');
    Inc(Rows);
    DataNext('DM4.TbCost');
  end;
  DataLast('DM4.TbCost');
  DataNext('DM4.TbCost');
  AtEnd := DataEof('DM4.TbCost');
end.
)"));
    script.run();
    QStringList numbers =
        script.variable(QStringLiteral("Numbers")).toString().split(u';', Qt::SkipEmptyParts);
    numbers.sort();
    EXPECT_EQ(numbers, QStringList({QStringLiteral("К-1"), QStringLiteral("К-2"), QStringLiteral("К-3")}));
    EXPECT_EQ(script.variable(QStringLiteral("Rows")).toInt(), 3);
    EXPECT_DOUBLE_EQ(script.variable(QStringLiteral("Area")).toFloat(), 7.75);
    EXPECT_TRUE(script.variable(QStringLiteral("AtEnd")).toBool());
}

TEST_F(Tdm4ScriptAccessTest, NamesQueriesAndValues) {
    const struct {
        const char* expression;
        const char* expected;
    } cases[] = {
        {"RecordCount('TbCost')", "0"}, // the prefix is required
        {"RecordCount('dm4.tbcost')", "3"},
        {"RecordCount('DM4.NoSuchSet')", "0"},
        {"GetValue('DM4.TbCost', 'NoSuchField')", "False"},
        {"GetValue('TbCost', 'Cost_Number')", "False"},
        {"QuerySQL('SELECT COUNT(*) FROM \"Cost\"')", "True"},
        {"GetValue('DM4.QuerySQL', 'COUNT')", "3"},
        {"QuerySQL('Select Count(*) From \"Service\"') and (GetValue('DM4.QuerySQL', 'COUNT') = 0)", "True"},
        {"LocateData('DM4.TbCost', 'Cust_Name', 'львів')", "True"}, // texts match without regard to case
        {"GetValue('DM4.TbCost', 'Cost_Number')", "К-3"},
        {"LocateData('DM4.TbCost', 'Cust_Name', 'Одеса')", "False"},
        {"LocateData('DM4.TbCost', 'Cost_Number', 'К-2') and (GetValue('DM4.TbCost', 'Cust_Name') = Null)",
         "True"}, // a NULL column reads as Null
        {"IIF(FilterData('DM4.TbCost', 'Cust_Name = Null'), -1, RecordCount('DM4.TbCost'))", "1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(eval(QString::fromUtf8(c.expression)), QString::fromUtf8(c.expected)) << c.expression;
}

TEST_F(Tdm4ScriptAccessTest, SetValueWritesTheCurrentRow) {
    script.load(QStringLiteral(R"(
begin
  if LocateData('DM4.TbCost', 'Cost_Number', 'К-1') then
    SetValue('DM4.TbCost', 'Cust_Name', 'Одеса');
  SetValue('DM4.TbCost', 'NoSuchField', 'x');
  SetValue('TbCost', 'Cust_Name', 'x');
end.
)"));
    script.run();
    ASSERT_TRUE(
        dm->runQuerySQL(QStringLiteral(R"(Select "Cost_Number" From "Cost" Where "Cust_Name" = 'Одеса')")));
    ASSERT_EQ(dm->QuerySQL().recordCount(), 1);
    EXPECT_EQ(dm->QuerySQL().value(QStringLiteral("Cost_Number")).toString(), QStringLiteral("К-1"));
}

TEST_F(Tdm4ScriptAccessTest, DataLayerFaultsBecomeScriptErrors) {
    // The database's own message reaches the user, with the place in the script.
    try {
        script.load(QStringLiteral("begin\n  QuerySQL('Select Nothing From \"Cost\"');\nend."));
        script.run();
        ADD_FAILURE() << "no error";
    } catch (const ScriptError& e) {
        EXPECT_EQ(e.line(), 2);
        EXPECT_TRUE(e.message().contains(QStringLiteral("NOTHING"), Qt::CaseInsensitive))
            << e.message().toStdString();
    }

    // A value the column cannot take is refused and leaves the row as it was.
    dm->LocateData(QStringLiteral("dm4.TbCost"), QStringLiteral("Cost_Number"), QStringLiteral("К-1"));
    EXPECT_THROW(
        eval(QStringLiteral("SetValue('DM4.TbCost', 'Cost_Number', 'a number far too long for its column')")),
        ScriptError);
    EXPECT_EQ(dm->TbCost().state(), data::Dataset::State::Browse);
    EXPECT_EQ(eval(QStringLiteral("GetValue('DM4.TbCost', 'Cost_Number')")), QStringLiteral("К-1"));
    EXPECT_EQ(eval(QStringLiteral("DataNext('DM4.TbCost')")),
              QStringLiteral("False")); // moves without a post fault
}

} // namespace
