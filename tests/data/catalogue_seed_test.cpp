// The shipped catalogue and templates: loaded by create-databases, linked
// together, covering every code the calculation knows, and leaving the
// start-up upgrade nothing to change.

#include "common/db_fixture.h"
#include "data/fb/connection.h"
#include "data/fb/statement.h"
#include "data/fb/transaction.h"

#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include <functional>

namespace {

namespace fb = velta::data::fb;

class CatalogueSeedTest : public velta::test::DbFixture {
protected:
    velta::test::Catalogue catalogue() const override { return velta::test::Catalogue::Shipped; }

    void SetUp() override {
        DbFixture::SetUp();
        m_db = fb::Connection::attach(folder().cataloguePath());
        m_tr = std::make_unique<fb::Transaction>(m_db);
        m_tr->start();
    }
    void TearDown() override {
        m_tr.reset();
        m_db.detach();
        DbFixture::TearDown();
    }

    void rows(const QString& sql, const std::function<void(const fb::ResultSet&)>& fn) {
        fb::Statement st(m_db, *m_tr, sql);
        fb::ResultSet r = st.openCursor();
        while (r.next())
            fn(r);
    }
    int count(const QString& sql) {
        int n = -1;
        rows(sql, [&](const fb::ResultSet& r) { n = r.integer(0); });
        return n;
    }
    QSet<int> ints(const QString& sql) {
        QSet<int> out;
        rows(sql, [&](const fb::ResultSet& r) { out.insert(r.isNull(0) ? 0 : r.integer(0)); });
        return out;
    }

    fb::Connection m_db;
    std::unique_ptr<fb::Transaction> m_tr;
};

TEST_F(CatalogueSeedTest, EveryChildRowPointsAtAnExistingParent) {
    // Each query counts the rows whose parent is missing.
    const char* orphans[] = {
        R"(Select Count(*) From "ServiceList" L Where Not Exists (Select 1 From "Service" S Where S."ID_Service" = L."ID_Service"))",
        R"(Select Count(*) From "ServiceList" L Where L."ID_ServiceLnk" Is Not Null And Not Exists
           (Select 1 From "ServiceList" P Where P."ID_ServiceList" = L."ID_ServiceLnk" And P."ID_Service" = L."ID_Service"))",
        R"(Select Count(*) From "ServiceTbl" T Where Not Exists (Select 1 From "ServiceList" L Where L."ID_ServiceList" = T."ID_ServiceList"))",
        R"(Select Count(*) From "ServiceParam" T Where Not Exists (Select 1 From "ServiceList" L Where L."ID_ServiceList" = T."ID_ServiceList"))",
        R"(Select Count(*) From "ServiceCat" T Where Not Exists (Select 1 From "ServiceList" L Where L."ID_ServiceList" = T."ID_ServiceList"))",
        R"(Select Count(*) From "ServiceNote" T Where Not Exists (Select 1 From "ServiceList" L Where L."ID_ServiceList" = T."ID_ServiceList"))",
        R"(Select Count(*) From "ServiceKof" K Where Not Exists (Select 1 From "Service" S Where S."ID_Service" = K."ID_Service"))",
        R"(Select Count(*) From "ServiceParam" P Where Not Exists (Select 1 From "TypeParameter" K Where K."ID_TypeParameter" = P."ID_TypeParameter"))",
        R"(Select Count(*) From "TypeParameter" K Where K."ID_TypeUnit" Is Not Null And Not Exists (Select 1 From "TypeUnit" U Where U."ID_TypeUnit" = K."ID_TypeUnit"))",
        // a note's kinds, as many as CountParameters says it tests
        R"(Select Count(*) From "ServiceNote" N Where Not Exists (Select 1 From "TypeParameter" K Where K."ID_TypeParameter" = N."ID_TypeParameter")
           Or (N."CountParameters" >= 1 And Not Exists (Select 1 From "TypeParameter" K Where K."ID_TypeParameter" = N."ID_TypeParameter2"))
           Or (N."CountParameters" >= 2 And Not Exists (Select 1 From "TypeParameter" K Where K."ID_TypeParameter" = N."ID_TypeParameter3"))
           Or (N."CountParameters" >= 3 And Not Exists (Select 1 From "TypeParameter" K Where K."ID_TypeParameter" = N."ID_TypeParameter4")))",
        // price rows name categories of their own section; categories of a priced section are all used
        R"(Select Count(*) From "ServiceTbl" T Where T."ID_Category" > 0 And Not Exists
           (Select 1 From "ServiceCat" C Where C."ID_ServiceList" = T."ID_ServiceList" And C."Number" = T."ID_Category"))",
        R"(Select Count(*) From "ServiceCat" C Where Not Exists
           (Select 1 From "ServiceTbl" T Where T."ID_ServiceList" = C."ID_ServiceList" And T."ID_Category" = C."Number"))",
        // a remark modifies a note of its own section
        R"(Select Count(*) From "ServiceNote" R Where R."ID_TypeCalc" = 4 And Not Exists
           (Select 1 From "ServiceNote" N Where N."ID_ServiceList" = R."ID_ServiceList" And N."Number" = R."ID_Number" And N."ID_TypeCalc" <> 4))",
    };
    for (const char* sql : orphans)
        EXPECT_EQ(count(QString::fromUtf8(sql)), 0) << sql;

    // Templates live in the other database; their rows must exist in this one, in the named collection.
    QSet<QPair<int, int>> catalogueRows;
    rows(QStringLiteral(R"(Select "ID_Service", "ID_ServiceList" From "ServiceList")"),
         [&](const fb::ResultSet& r) {
             catalogueRows.insert({r.integer(0), r.integer(1)});
         });
    fb::Connection velta = fb::Connection::attach(folder().estimatesPath());
    fb::Transaction vt(velta);
    vt.start();
    int templates = 0;
    {
        fb::Statement st(velta, vt, QStringLiteral(R"(Select Count(*) From "ListService")"));
        fb::ResultSet r = st.openCursor();
        ASSERT_TRUE(r.next());
        templates = r.integer(0);
    }
    EXPECT_GE(templates, 5);
    int sections = 0;
    {
        fb::Statement st(velta, vt,
                         QStringLiteral(R"(Select L."ID_Service", L."ID_ServiceList", L."ID_ListService",
            (Select Count(*) From "ListService" T Where T."ID_ListService" = L."ID_ListService") From "ListServiceLnk" L)"));
        fb::ResultSet r = st.openCursor();
        while (r.next()) {
            ++sections;
            EXPECT_TRUE(catalogueRows.contains({r.integer(0), r.integer(1)})) << "row " << r.integer(1);
            EXPECT_EQ(r.integer(3), 1) << "template " << r.integer(2);
        }
    }
    EXPECT_GE(sections, templates);
    // New templates must not collide with the shipped keys.
    EXPECT_GE(velta.currentValue(vt, QStringLiteral("ID_GEN_LISTSERVICE")), qint64(templates));
    vt.rollback();
}

TEST_F(CatalogueSeedTest, CoversEveryCodeTheCalculationKnows) {
    const QSet<int> allFormats{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19};
    EXPECT_EQ(ints(QStringLiteral(R"(Select Distinct "ID_TypeValue" From "TypeParameter")")), allFormats);
    EXPECT_GE(count(QStringLiteral(R"(Select Count(*) From "TypeParameter")")), 60);
    EXPECT_GE(count(QStringLiteral(R"(Select Count(*) From "TypeUnit")")), 10);

    const QSet<int> zeroToEight{0, 1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(ints(QStringLiteral(R"(Select Distinct "ID_TypeCalc" From "ServiceNote")")), zeroToEight);
    QSet<int> comparisons = ints(QStringLiteral(R"(Select Distinct "ID_TypeValue" From "ServiceNote")"));
    for (int i = 2; i <= 4; ++i)
        comparisons +=
            ints(QStringLiteral(
                     R"(Select Distinct "ID_TypeValue%1" From "ServiceNote" Where "CountParameters" >= %2)")
                     .arg(i)
                     .arg(i - 1));
    EXPECT_EQ(comparisons, zeroToEight);
    EXPECT_EQ(ints(QStringLiteral(R"(Select Distinct "CountParameters" From "ServiceNote")")),
              (QSet<int>{0, 1, 2, 3}));
    EXPECT_EQ(ints(QStringLiteral(
                  R"(Select Distinct "Operator2" From "ServiceNote" Where "CountParameters" >= 1)")),
              (QSet<int>{0, 1}));
    EXPECT_GT(count(QStringLiteral(R"(Select Count(*) From "ServiceNote" Where "ID_TypeKof" = 1)")), 0);

    // Per collection: a general-provisions section and dated coefficients in both states.
    QSet<int> services = ints(QStringLiteral(R"(Select "ID_Service" From "Service")"));
    EXPECT_GE(services.size(), 3);
    for (int s : services) {
        EXPECT_GE(
            count(
                QStringLiteral(
                    R"(Select Count(*) From "ServiceList" Where "ID_Service" = %1 And "ID_ServiceType" = 1)")
                    .arg(s)),
            1)
            << "collection " << s;
        EXPECT_GT(
            count(QStringLiteral(
                      R"(Select Count(*) From "ServiceKof" Where "ID_Service" = %1 And "fPassive" = 'T')")
                      .arg(s)),
            0);
        EXPECT_GT(
            count(QStringLiteral(
                      R"(Select Count(*) From "ServiceKof" Where "ID_Service" = %1 And "fPassive" = 'F')")
                      .arg(s)),
            0);
    }
    EXPECT_EQ(count(QStringLiteral(R"(Select Count(*) From "ServiceKof" Where "ID_ServiceKof" = 10)")), 1);

    // Every type-0 row prices: it has a price table.
    EXPECT_EQ(count(QStringLiteral(
                  R"(Select Count(*) From "ServiceList" L Where L."ID_ServiceType" = 0 And Not Exists
                    (Select 1 From "ServiceTbl" T Where T."ID_ServiceList" = L."ID_ServiceList"))")),
              0);
    EXPECT_GE(count(QStringLiteral(R"(Select Count(*) From "ServiceList" Where "ID_ServiceType" = 0)")), 40);
}

TEST_F(CatalogueSeedTest, TextsKeepTheirCyrillicAndLineBreaks) {
    int multiLine = 0;
    rows(QStringLiteral(R"(Select "Name" From "ServiceCat")"), [&](const fb::ResultSet& r) {
        if (r.string(0).contains(QStringLiteral("\r\n")))
            ++multiLine;
        // Lines are separated the way the editors store them, never by a bare line feed.
        EXPECT_EQ(r.string(0).count(QLatin1Char('\n')), r.string(0).count(QStringLiteral("\r\n")));
    });
    EXPECT_GT(multiLine, 0);
    int html = 0;
    bool workContent = false;
    int plain = 0;
    rows(QStringLiteral(R"(Select "Note" From "ServiceList" Where "Note" Is Not Null)"),
         [&](const fb::ResultSet& r) {
             const QString first = r.string(0).section(QStringLiteral("\r\n"), 0, 0).toLower();
             if (first.contains(QStringLiteral("<html>"))) {
                 ++html;
                 workContent = workContent || r.string(0).contains(QStringLiteral("Комплекс робіт включає"));
             } else {
                 ++plain;
             }
         });
    EXPECT_GT(html, 0);
    EXPECT_TRUE(workContent);
    EXPECT_GT(plain, 0);
    int lists = 0;
    rows(QStringLiteral(R"(Select "ListParam" From "ServiceParam" Where "ListParam" Is Not Null)"),
         [&](const fb::ResultSet& r) {
             ++lists;
             // The editor matches the stored value against the number each line starts with.
             for (const QString& line : r.string(0).split(QStringLiteral("\r\n")))
                 EXPECT_TRUE(line.trimmed().contains(QRegularExpression(QStringLiteral("^[0-9]+ "))))
                     << line.toStdString();
         });
    EXPECT_GT(lists, 0);
}

TEST_F(CatalogueSeedTest, TheStartUpUpgradeFindsNothingToChange) {
    // Step 2 inserts kind 1064 only when it is missing; step 5 rewrites these rows.
    rows(
        QStringLiteral(
            R"(Select "Name", "ID_TypeValue", "ID_TypeUnit" From "TypeParameter" Where "ID_TypeParameter" = 1064)"),
        [&](const fb::ResultSet& r) {
            EXPECT_EQ(r.string(0), QStringLiteral("виконання робіт для новостворених господарств, що мають "
                                                  "правовстановлювальні документи на землю"));
            EXPECT_EQ(r.integer(1), 2);
            EXPECT_TRUE(r.isNull(2));
        });
    EXPECT_EQ(
        count(QStringLiteral(R"(Select Count(*) From "TypeParameter" Where "ID_TypeParameter" = 1064)")), 1);
    EXPECT_EQ(count(QStringLiteral(R"(Select Count(*) From "ServiceNote" N Where N."ID_ServiceNote" = 317 And
              (N."ID_TypeParameter" <> 1064 Or N."NameParameter" <> (Select K."Name" From "TypeParameter" K Where K."ID_TypeParameter" = 1064)))")),
              0);
    EXPECT_EQ(count(QStringLiteral(
                  R"(Select Count(*) From "ServiceList" Where "ID_ServiceList" In (983, 984, 985, 986))")),
              0);
    EXPECT_EQ(count(QStringLiteral(
                  R"(Select Count(*) From "ServiceTbl" Where "ID_ServiceTbl" Between 27174 And 27184)")),
              0);
}

// The shapes of tables and notes an estimator meets in a real collection, each
// present somewhere in the shipped data. (That every formula evaluates once its
// letters are filled is shown with the calculation's own substitution, in the
// calculation's tests of the shipped catalogue.)
TEST_F(CatalogueSeedTest, PriceTablesAndNotesTakeEveryShape) {
    struct Shape {
        const char* what;
        const char* sql; // counts the rows that have the shape
    };
    const Shape shapes[] = {
        {"table with categories", R"(Select Count(*) From "ServiceTbl" Where "ID_Category" > 0)"},
        {"one-parameter range",
         R"(Select Count(*) From "ServiceTbl" Where "Parameter1" Is Not Null And "Parameter2" Is Not Null
            And "Parameter3" Is Null And "Parameter4" Is Null)"},
        {"two-parameter range",
         R"(Select Count(*) From "ServiceTbl" Where ("Parameter1" Is Not Null Or "Parameter2" Is Not Null)
            And ("Parameter3" Is Not Null Or "Parameter4" Is Not Null) And "Parameter5" Is Null And "Parameter6" Is Null)"},
        {"three-parameter range",
         R"(Select Count(*) From "ServiceTbl" Where "Parameter5" Is Not Null Or "Parameter6" Is Not Null)"},
        {"open-ended range",
         R"(Select Count(*) From "ServiceTbl" Where ("Parameter1" Is Null) <> ("Parameter2" Is Null))"},
        {"per-unit row", R"(Select Count(*) From "ServiceTbl" Where "ID_Unit" > 0)"},
        {"single-row table", R"(Select Count(*) From "ServiceList" L Where
            (Select Count(*) From "ServiceTbl" T Where T."ID_ServiceList" = L."ID_ServiceList") = 1)"},
        {"parameter with a divisor", R"(Select Count(*) From "ServiceParam" Where "Divisor" > 1)"},
        {"field and office shares",
         R"(Select Count(*) From "ServiceList" Where "Per_Field" > 0 Or "Per_Field2" > 0)"},
        {"three or four conditions, a later one joined by or",
         R"(Select Count(*) From "ServiceNote" Where ("CountParameters" >= 2 And "Operator3" = 1) Or ("CountParameters" = 3 And "Operator4" = 1))"},
        {"formula in n, m, p and o", R"(Select Count(*) From "ServiceNote" Where "CountParameters" = 3
            And "Formula" Containing 'n' And "Formula" Containing 'm' And "Formula" Containing 'p' And "Formula" Containing 'o')"},
        {"formula with a two-argument function",
         R"(Select Count(*) From "ServiceNote" Where "Formula" Containing 'Max(')"},
        {"remark on a constant note",
         R"(Select Count(*) From "ServiceNote" R Where R."ID_TypeCalc" = 4 And Exists
            (Select 1 From "ServiceNote" N Where N."ID_ServiceList" = R."ID_ServiceList" And N."Number" = R."ID_Number" And N."Formula" Is Null))"},
        {"remark on a formula note",
         R"(Select Count(*) From "ServiceNote" R Where R."ID_TypeCalc" = 4 And Exists
            (Select 1 From "ServiceNote" N Where N."ID_ServiceList" = R."ID_ServiceList" And N."Number" = R."ID_Number" And N."Formula" Is Not Null))"},
        {"type-2 parent whose notes reach its subsections",
         R"(Select Count(*) From "ServiceList" P Where P."ID_ServiceType" = 2
            And Exists (Select 1 From "ServiceNote" N Where N."ID_ServiceList" = P."ID_ServiceList")
            And Exists (Select 1 From "ServiceList" C Where C."ID_ServiceLnk" = P."ID_ServiceList"))"},
        {"section comment in plain text",
         R"(Select Count(*) From "ServiceList" Where "Note" Is Not Null And Not "Note" Containing '<html>')"},
    };
    for (const Shape& s : shapes)
        EXPECT_GT(count(QString::fromUtf8(s.sql)), 0) << s.what;

    // Each collection's general provisions: field and office percentages, man-day charges and
    // the three sum formats.
    for (int service : ints(QStringLiteral(R"(Select "ID_Service" From "Service")"))) {
        SCOPED_TRACE(testing::Message() << "collection " << service);
        const QString general =
            QStringLiteral(
                R"(Select "ID_ServiceList" From "ServiceList" Where "ID_ServiceType" = 1 And "ID_Service" = %1)")
                .arg(service);
        const QSet<int> effects =
            ints(QStringLiteral(
                     R"(Select Distinct "ID_TypeCalc" From "ServiceNote" Where "ID_ServiceList" In (%1))")
                     .arg(general));
        EXPECT_TRUE(effects.contains(5)) << "field percentage";
        EXPECT_TRUE(effects.contains(6) || effects.contains(8)) << "office percentage or man-day charge";
        EXPECT_TRUE(effects.contains(7) || effects.contains(8)) << "man-day charge";
    }
    EXPECT_EQ(ints(QStringLiteral(
                  R"(Select Distinct K."ID_TypeValue" From "TypeParameter" K Where K."ID_TypeValue" >= 17 And
              (Exists (Select 1 From "ServiceNote" N Join "ServiceList" L On L."ID_ServiceList" = N."ID_ServiceList"
                       Where L."ID_ServiceType" = 1 And N."ID_TypeParameter" = K."ID_TypeParameter")
            Or Exists (Select 1 From "ServiceParam" P Join "ServiceList" L On L."ID_ServiceList" = P."ID_ServiceList"
                       Where L."ID_ServiceType" = 1 And P."ID_TypeParameter" = K."ID_TypeParameter")))")),
              (QSet<int>{17, 18, 19}));
}

} // namespace
