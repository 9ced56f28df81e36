// The report scripts' function library through the script dispatcher, with a
// small data module in memory standing in for the real one.

#include "documents/orvik_library.h"
#include "script/standard_library.h"

#include <gtest/gtest.h>

#include <QHash>
#include <QMap>

using namespace velta;
using namespace velta::documents;

namespace {

// Datasets by name with a cursor, matched as the data module does: the prefix
// "dm4." is required and case does not matter.
class MemoryData : public ScriptDataAccess {
public:
    struct Table {
        QList<QMap<QString, QVariant>> rows;
        int current = 0;
        bool eof = false;
        bool bof = true;
    };

    Table* find(const QString& name) {
        if (!name.startsWith(QLatin1String("dm4."), Qt::CaseInsensitive))
            return nullptr;
        auto it = tables.find(name.mid(4).toLower());
        return it == tables.end() ? nullptr : &*it;
    }

    bool LocateData(const QString& name, const QString& field, const QVariant& value) override {
        Table* t = find(name);
        if (!t)
            return false;
        for (int i = 0; i < t->rows.size(); ++i)
            if (t->rows[i].value(field) == value) {
                t->current = i;
                return true;
            }
        return false;
    }
    bool FilterData(const QString&, const QString&) override { return false; }
    bool QuerySQL(const QString& text) override {
        lastSql = text;
        Table result;
        result.rows.append(
            {{QStringLiteral("COUNT"), QVariant(tables.value(QStringLiteral("tbcost")).rows.size())}});
        tables.insert(QStringLiteral("querysql"), result);
        return true;
    }
    int RecordCount(const QString& name) override {
        Table* t = find(name);
        return t ? static_cast<int>(t->rows.size()) : 0;
    }
    bool move(const QString& name, int code) {
        Table* t = find(name);
        if (!t)
            return false;
        const int last = static_cast<int>(t->rows.size()) - 1;
        switch (code) {
        case 1:
            t->eof = t->current >= last;
            t->current = std::min(t->current + 1, std::max(last, 0));
            t->bof = false;
            return false;
        case 2:
            t->bof = t->current <= 0;
            t->current = std::max(t->current - 1, 0);
            t->eof = false;
            return false;
        case 3:
            return t->eof;
        case 4:
            return t->bof;
        case 5:
            t->current = 0;
            t->bof = true;
            t->eof = t->rows.isEmpty();
            return false;
        default:
            t->current = std::max(last, 0);
            t->eof = t->rows.isEmpty();
            t->bof = t->rows.isEmpty();
            return false;
        }
    }
    bool DataNext(const QString& n) override { return move(n, 1); }
    bool DataPrior(const QString& n) override { return move(n, 2); }
    bool DataEof(const QString& n) override { return move(n, 3); }
    bool DataBof(const QString& n) override { return move(n, 4); }
    bool DataFirst(const QString& n) override { return move(n, 5); }
    bool DataLast(const QString& n) override { return move(n, 6); }
    QVariant GetValue(const QString& name, const QString& field) override {
        Table* t = find(name);
        if (!t || t->rows.isEmpty())
            return QVariant(false);
        const auto& row = t->rows[t->current];
        auto it = row.find(field);
        if (it == row.end())
            return QVariant(false);
        return *it;
    }
    void SetValue(const QString& name, const QString& field, const QVariant& value) override {
        Table* t = find(name);
        if (t && !t->rows.isEmpty() && t->rows[t->current].contains(field))
            t->rows[t->current][field] = value;
    }

    QHash<QString, Table> tables;
    QString lastSql;
};

class OrvikLibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        MemoryData::Table cost;
        cost.rows = {{{QStringLiteral("Cost_Number"), QVariant(QStringLiteral("1"))}},
                     {{QStringLiteral("Cost_Number"), QVariant(QStringLiteral("2"))}},
                     {{QStringLiteral("Cost_Number"), QVariant(QStringLiteral("3"))}}};
        data.tables.insert(QStringLiteral("tbcost"), cost);
        script::registerStandardLibrary(script);
        registerOrvikLibrary(script, &data);
    }
    QString eval(const QString& expression) { return script.evaluate(expression).toString(); }

    MemoryData data;
    script::Script script;
};

TEST_F(OrvikLibraryTest, RegistersNineteenFunctionsWithTheirDeclarations) {
    const QStringList names = script.functionNames(orvikCategory());
    ASSERT_EQ(names.size(), 19);
    EXPECT_EQ(names.first(), QStringLiteral("DateWrite"));
    EXPECT_EQ(names.last(), QStringLiteral("Evaluate"));
    const script::HostFunction* f = script.function(QStringLiteral("sumwrite"));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->declaration.help, QStringLiteral("Возвращает сумму прописью"));
    ASSERT_EQ(f->declaration.parameters.size(), 2u);
    EXPECT_EQ(f->declaration.parameters[1].name, QStringLiteral("ShowCent"));
    EXPECT_EQ(f->declaration.parameters[1].type, QStringLiteral("Boolean"));
    EXPECT_EQ(f->declaration.resultType, QStringLiteral("String"));
    EXPECT_FALSE(script.function(QStringLiteral("SetValue"))->declaration.isFunction);
    EXPECT_EQ(script.function(QStringLiteral("LocateData"))->declaration.parameters.size(), 3u);
}

TEST_F(OrvikLibraryTest, TextFunctionsThroughTheDispatcher) {
    EXPECT_EQ(eval(QStringLiteral("SumWrite(1234.56, True)")),
              QStringLiteral("Одна тисяча двісті тридцять чотири гривні 56 копійок "));
    EXPECT_EQ(eval(QStringLiteral("SumWrite(1234.56, False)")),
              QStringLiteral("Одна тисяча двісті тридцять чотири гривні "));
    EXPECT_EQ(eval(QStringLiteral("TxtToFloat('abc', 7)")), QStringLiteral("7"));
    EXPECT_EQ(eval(QStringLiteral("TxtToInt('12,6')")), QStringLiteral("13"));
}

TEST_F(OrvikLibraryTest, DataFunctionsByName) {
    EXPECT_EQ(eval(QStringLiteral("RecordCount('TbCost')")), QStringLiteral("0"));
    EXPECT_EQ(eval(QStringLiteral("RecordCount('dm4.tbcost')")), QStringLiteral("3"));
    EXPECT_EQ(eval(QStringLiteral("QuerySQL('SELECT COUNT(*) FROM \"Cost\"')")), QStringLiteral("True"));
    EXPECT_EQ(data.lastSql, QStringLiteral("SELECT COUNT(*) FROM \"Cost\""));
    EXPECT_EQ(eval(QStringLiteral("GetValue('DM4.QuerySQL', 'COUNT')")), QStringLiteral("3"));
    EXPECT_EQ(eval(QStringLiteral("GetValue('DM4.TbCost', 'NoSuchField')")), QStringLiteral("False"));

    script.load(QStringLiteral(R"(
var AtEnd: Boolean;
begin
  DataLast('DM4.TbCost');
  DataNext('DM4.TbCost');
  AtEnd := DataEof('DM4.TbCost');
  DataFirst('DM4.TbCost');
  SetValue('DM4.TbCost', 'Cost_Number', 'A-1');
end.
)"));
    script.run();
    EXPECT_TRUE(script.variable(QStringLiteral("AtEnd")).toBool());
    EXPECT_EQ(data.tables[QStringLiteral("tbcost")].rows[0].value(QStringLiteral("Cost_Number")).toString(),
              QStringLiteral("A-1"));
}

TEST_F(OrvikLibraryTest, EvaluateUsesTheMainReportScript) {
    script::Script main;
    script::registerStandardLibrary(main);
    main.setVariable(QStringLiteral("PercentNDS"), script::Value(20));
    setMainReportScript(&main);
    EXPECT_EQ(eval(QStringLiteral("Evaluate('PercentNDS * 2')")), QStringLiteral("40"));
    EXPECT_TRUE(eval(QStringLiteral("Evaluate('1 +')")).contains(QStringLiteral("Очікується вираз")));

    // A text that evaluates itself ends with the recursion bound, not a stack overflow.
    registerOrvikLibrary(main, nullptr);
    main.setVariable(QStringLiteral("S"), script::Value(QStringLiteral("Evaluate(S)")));
    try {
        eval(QStringLiteral("Evaluate('Evaluate(S)')"));
        ADD_FAILURE() << "no error";
    } catch (const script::ScriptError& e) {
        EXPECT_EQ(e.kind(), script::ScriptError::Kind::Limit);
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Надто глибока рекурсія")))
            << e.message().toStdString();
    }
    EXPECT_EQ(eval(QStringLiteral("Evaluate('2 + 2')")), QStringLiteral("4")); // the bound resets
    setMainReportScript(nullptr);
}

} // namespace
