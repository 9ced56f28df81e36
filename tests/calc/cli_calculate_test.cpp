// velta2-cli calculate run as a child process on a working folder: the lines
// it prints, the rows it stores, and a formula error that leaves the
// estimate as it was and ends with a non-zero exit code.

#include "store_fixture.h"

#include <QProcess>

using namespace velta::calc::test;

namespace {

struct CliRun {
    int exitCode = -1;
    QString out, err;
};

class CliCalculate : public StoreFixture {
protected:
    // The engine lets one process open a database file: the companion runs
    // while this process holds no attachment.
    CliRun cli(QStringList args) {
        QProcess p;
        p.start(QStringLiteral(VELTA_CLI), QStringList{QStringLiteral("calculate")} + args);
        EXPECT_TRUE(p.waitForFinished(60000)) << "velta2-cli did not finish";
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
    }
    QStringList workdir() { return {QStringLiteral("--workdir"), folder().path()}; }
};

TEST_F(CliCalculate, OneEstimateIsCalculatedAndStoredRowByRow) {
    const CliRun r = cli(workdir() + QStringList{QStringLiteral("--estimate"), QStringLiteral("1")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("1\t7/2024\t4119.59\n"));
    auto db = openDatabase(folder().estimatesPath());
    EXPECT_EQ(estimateRows(*db), calculatedEstimateOne());
    // Estimate 2 was not asked for.
    EXPECT_EQ(dumpRows(*db, QStringLiteral(R"(SELECT COUNT(*) FROM "CostValue" v JOIN "CostLnk" l
                  ON l."ID_CostLnk" = v."ID_CostLnk" WHERE l."ID_Cost" = 2)")),
              QStringList{QStringLiteral("0")});
}

TEST_F(CliCalculate, AllEstimatesOneLineEach) {
    const CliRun r = cli(workdir() + QStringList{QStringLiteral("--all")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    // Estimate 2: 200*5*1.25 = 1250, 1 % = 12.5, index 126.25, so 1388.75;
    // expertise 41.66, VAT 286.08.
    EXPECT_EQ(r.out, QStringLiteral("1\t7/2024\t4119.59\n2\t8/2024\t1716.49\n"));
    auto db = openDatabase(folder().estimatesPath());
    EXPECT_EQ(estimateRows(*db), calculatedEstimateOne());
    EXPECT_EQ(estimateRows(*db, 2).first(), QStringLiteral("8/2024 | T | 286.08 | 1716.49 | 1000"));
}

TEST_F(CliCalculate, AFormulaErrorLeavesTheEstimateAsItWas) {
    QStringList before;
    {
        auto cat = openDatabase(folder().cataloguePath());
        cat->run(
            QStringLiteral(R"(UPDATE "ServiceNote" SET "Formula" = 'n*(' WHERE "ID_ServiceNote" = 99002)"),
            {});
        cat->commit();
        auto db = openDatabase(folder().estimatesPath());
        before = everyEstimateRow(*db);
    }
    const CliRun r = cli(workdir() + QStringList{QStringLiteral("--estimate"), QStringLiteral("1")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, QString());
    EXPECT_TRUE(r.err.contains(QStringLiteral("0*(")) && r.err.contains(QStringLiteral("Загальні положення")))
        << r.err.toStdString();
    auto db = openDatabase(folder().estimatesPath());
    EXPECT_EQ(everyEstimateRow(*db), before);
}

TEST_F(CliCalculate, WrongArgumentsAndMissingEstimates) {
    const struct {
        QStringList args;
        int exitCode;
    } cases[] = {
        {{}, 2},
        {{QStringLiteral("--all"), QStringLiteral("--estimate"), QStringLiteral("1")}, 2},
        {{QStringLiteral("--estimate"), QStringLiteral("x")}, 2},
        {{QStringLiteral("--estimate"), QStringLiteral("1"), QStringLiteral("extra")}, 2},
        {{QStringLiteral("--estimate"), QStringLiteral("42")}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        const CliRun r = cli(workdir() + c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << r.err.toStdString();
        EXPECT_FALSE(r.err.isEmpty());
    }
    const CliRun r = cli(
        {QStringLiteral("--workdir"), folder().filePath(QStringLiteral("nowhere")), QStringLiteral("--all")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("не знайдено"))) << r.err.toStdString();
}

} // namespace
