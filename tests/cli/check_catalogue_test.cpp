// velta2-cli check-catalogue run as a user runs it, on a working folder with
// the shipped databases: clean as shipped, and every kind of dangling link it
// promises to find reported once the rows are broken by hand.

#include "common/db_fixture.h"
#include "data/database.h"

#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

class CheckCatalogue : public velta::test::DbFixture {
protected:
    velta::test::Catalogue catalogue() const override { return velta::test::Catalogue::Shipped; }

    struct Result {
        int exitCode = -1;
        QString out;
    };
    Result check() {
        QProcess p;
        p.start(QStringLiteral(VELTA_CLI),
                {QStringLiteral("check-catalogue"), QStringLiteral("--workdir"), folder().path()});
        EXPECT_TRUE(p.waitForFinished(120000)) << "check-catalogue did not finish";
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromUtf8(p.readAllStandardOutput())};
    }
    void execute(const QString& path, const QString& sql) {
        velta::data::Database db(path, QStringLiteral("SYSDBA"), QStringLiteral("masterkey"));
        db.run(sql, {});
        db.commit();
    }
};

TEST_F(CheckCatalogue, ShippedDataHasNoDanglingLink) {
    const Result r = check();
    EXPECT_EQ(r.exitCode, 0) << r.out.toStdString();
    EXPECT_TRUE(r.out.endsWith(QStringLiteral("No dangling links.\n"))) << r.out.toStdString();
    const QRegularExpressionMatch priced =
        QRegularExpression(QStringLiteral(R"(Priced sections \(type 0 with price rows\): (\d+))"))
            .match(r.out);
    ASSERT_TRUE(priced.hasMatch()) << r.out.toStdString();
    EXPECT_GE(priced.captured(1).toInt(), 40);
    for (const char* line :
         {"Collections: ", "Notes: ", "Parameter kinds: ", "Index coefficients: ", "Templates: "})
        EXPECT_TRUE(r.out.contains(QString::fromLatin1(line))) << line;
}

TEST_F(CheckCatalogue, EveryKindOfDanglingLinkIsReported) {
    const QString service = folder().cataloguePath();
    // A priced subsection that a template uses, deleted without its rows.
    execute(service, QStringLiteral(R"(DELETE FROM "ServiceList" WHERE "ID_ServiceList" = 312)"));
    execute(service, QStringLiteral(R"(INSERT INTO "ServiceParam" ("ID_ServiceParam", "ID_ServiceList",
        "ID_TypeParameter", "ID_TypeValue", "Number") VALUES (9001, 313, 9999, 4, 9))"));
    execute(service, QStringLiteral(R"(UPDATE "ServiceTbl" SET "ID_Category" = 77 WHERE "ID_ServiceTbl" =
        (SELECT MIN("ID_ServiceTbl") FROM "ServiceTbl" WHERE "ID_ServiceList" = 313))"));
    execute(service,
            QStringLiteral(R"(INSERT INTO "ServiceCat" ("ID_ServiceCat", "ID_ServiceList", "Number", "Name")
        VALUES (9001, 313, 9, 'IX'))"));
    execute(service, QStringLiteral(
                         R"(UPDATE "ServiceNote" SET "ID_TypeParameter" = 9998 WHERE "ID_ServiceNote" = 1)"));
    execute(service,
            QStringLiteral(R"(UPDATE "ServiceNote" SET "ID_Number" = 77 WHERE "ID_ServiceNote" = 48)"));

    const Result r = check();
    EXPECT_EQ(r.exitCode, 1);
    const char* expected[] = {
        R"(price row \d+ of the missing section 312)",
        R"(parameter \d+ of the missing section 312)",
        R"(parameter 9001 has the missing kind 9999)",
        R"(price row \d+ names category 77, which section 313 does not have)",
        R"(category 9 of section 313 is used by no price row)",
        R"(note 1 tests parameter 1 of the missing kind 9998)",
        R"(remark note 48 modifies note number 77, which section 300 does not have)",
        R"(template section \d+ points at the missing catalogue row 312)",
        R"(\d+ dangling link\(s\)\.)",
    };
    for (const char* pattern : expected)
        EXPECT_TRUE(QRegularExpression(QString::fromLatin1(pattern)).match(r.out).hasMatch())
            << pattern << "\n"
            << r.out.toStdString();
}

} // namespace
