// The data module on a large office's databases: 10,000 estimates with
// 50,000 sections and a catalogue of 30,000 price rows. Measures the start
// (connect, upgrade checks, opening every dataset) and posting 1,000 rows,
// and reports the peak memory of the process.

#include "data/database.h"
#include "data/schema/database_files.h"
#include "data/schema/schema.h"
#include "data/tdm4.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using velta::data::Database;
using velta::data::TDM4;

namespace {

double peakMemoryMiB() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024.0;
    }
    return 0;
}

// Made once per run and shared by the benchmarks.
const QString& folder() {
    static std::unique_ptr<QTemporaryDir> dir;
    static QString path;
    if (dir)
        return path;
    dir = std::make_unique<QTemporaryDir>();
    path = dir->path();
    velta::data::schema::CreateOptions options;
    options.emptyCatalogue = true;
    velta::data::schema::createDatabases(path, options);
    {
        Database service(QDir(path).filePath(QString::fromLatin1(velta::data::schema::catalogueFileName)),
                         QStringLiteral("SYSDBA"), QStringLiteral("masterkey"));
        service.run(R"(Insert Into "Service" ("ID_Service", "Name") Values (1, 'Збірник'))", {});
        for (int s = 1; s <= 300; ++s) {
            service.run(R"(Insert Into "ServiceList" ("ID_ServiceList", "ID_Service", "Number", "Name") )"
                        R"(Values (:ID, 1, :N, 'Розділ каталогу'))",
                        {{"ID", s}, {"N", s}});
        }
        for (int r = 1; r <= 30000; ++r) {
            service.run(R"(Insert Into "ServiceTbl" ("ID_ServiceTbl", "ID_ServiceList", "Number", "A", "B") )"
                        R"(Values (:ID, :L, :N, 123.45, 67.8))",
                        {{"ID", r}, {"L", (r - 1) / 100 + 1}, {"N", (r - 1) % 100 + 1}});
        }
        service.commit();
    }
    Database velta(QDir(path).filePath(QString::fromLatin1(velta::data::schema::estimatesFileName)),
                   QStringLiteral("SYSDBA"), QStringLiteral("masterkey"));
    int lnk = 0;
    for (int c = 1; c <= 10000; ++c) {
        velta.run(
            R"(Insert Into "Cost" ("ID_Cost", "Cost_Number", "Cust_Name", "Address", "Sum_Full", "Sum") )"
            R"(Values (:ID, :NUM, 'Замовник кошторису з довгою назвою', 'м. Київ, вул. Хрещатик, 1', )"
            R"(1200, 1200))",
            {{"ID", c}, {"NUM", QString::number(c)}});
        velta.run(R"(Insert Into "CostSrv" ("ID_CostSrv", "ID_Cost", "ID_Service", "Number", "Name") )"
                  R"(Values (:ID, :ID, 1, 1, 'Збірник'))",
                  {{"ID", c}});
        for (int s = 1; s <= 5; ++s) {
            velta.run(
                R"(Insert Into "CostLnk" ("ID_CostLnk", "ID_Cost", "ID_Service", "Number", "Name", "Sum") )"
                R"(Values (:ID, :C, 1, :N, 'Розділ кошторису', 240))",
                {{"ID", ++lnk}, {"C", c}, {"N", s}});
        }
    }
    velta.run(R"(Set Generator "ID_GEN_COST" To 10000)", {});
    velta.run(R"(Set Generator "ID_GEN_COSTLNK" To 50000)", {});
    velta.commit();
    return path;
}

TDM4::Options options() {
    TDM4::Options o;
    o.workingFolder = folder();
    o.nextCostNumber = [](const QString& previous) { return QString::number(previous.toInt() + 1); };
    return o;
}

void BM_StartTDM4(benchmark::State& state) {
    options();
    for (auto _ : state) {
        TDM4 dm(options());
        if (!dm.start())
            state.SkipWithError(dm.connectionError().toStdString().c_str());
        benchmark::DoNotOptimize(dm.TbCost().recordCount());
        // Walking the list re-reads each estimate's collections and sections, as the main window does.
        if (state.range(0)) {
            for (dm.TbCost().first(); !dm.TbCost().eof(); dm.TbCost().next())
                benchmark::DoNotOptimize(dm.TbCostLnk().recordCount());
        }
    }
    state.counters["peak_MiB"] = peakMemoryMiB();
}
BENCHMARK(BM_StartTDM4)->Arg(0)->Arg(1)->ArgName("walk")->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Post1000Estimates(benchmark::State& state) {
    TDM4 dm(options());
    dm.start();
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) {
            dm.TbCost().append();
            dm.TbCost().setValue(QStringLiteral("Cust_Name"), QStringLiteral("Новий замовник"));
            dm.TbCost().setValue(QStringLiteral("Sum_Full"), 100.0 + i);
            dm.TbCost().post();
        }
        dm.commit();
    }
    state.counters["peak_MiB"] = peakMemoryMiB();
}
BENCHMARK(BM_Post1000Estimates)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Post1000Sections(benchmark::State& state) {
    TDM4 dm(options());
    dm.start();
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) {
            dm.TbCostLnk().append();
            dm.TbCostLnk().setValue(QStringLiteral("ID_Service"), 1);
            dm.TbCostLnk().setValue(QStringLiteral("Name"), QStringLiteral("Розділ"));
            dm.TbCostLnk().post();
        }
        dm.commit();
    }
    state.counters["peak_MiB"] = peakMemoryMiB();
}
BENCHMARK(BM_Post1000Sections)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
