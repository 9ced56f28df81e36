// velta2-cli calculate [--workdir DIR] (--estimate ID | --all): the Calculate
// command of the program on one estimate or on every estimate of a working
// folder, with the settings of its velta.ini. Each estimate is one command:
// it is committed when it succeeds and left exactly as it was when it fails.
// Prints one line per estimate: ID_Cost, Cost_Number and Sum_Full, separated
// by tabs (Sum_Full empty when the estimate totals nothing).

#include "commands.h"

#include "calc/calculate_command.h"
#include "calc/sql_estimate_store.h"
#include "core/settings.h"
#include "data/database.h"
#include "data/fb/error.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr const char* kUsage = "usage: velta2-cli calculate [--workdir DIR] (--estimate ID | --all)\n";

// Fifteen significant digits with a full stop: what a double holds reliably,
// without the binary noise of sums like 4119.589999999.
QString number(const QVariant& v) {
    return v.isNull() ? QString() : QString::number(v.toDouble(), 'g', 15);
}

int run(velta::cli::CommandContext& c) {
    bool ok = true;
    const QString folder =
        velta::cli::takeOption(c.args, QStringLiteral("--workdir"), QDir::currentPath(), &ok);
    bool idOk = ok;
    const QString idText = velta::cli::takeOption(c.args, QStringLiteral("--estimate"), QString(), &idOk);
    const bool all = velta::cli::takeFlag(c.args, QStringLiteral("--all"));
    int idCost = 0;
    if (!idText.isEmpty())
        idCost = idText.toInt(&idOk);
    if (!ok || !idOk || !c.args.isEmpty() || all == !idText.isEmpty()) {
        c.err << kUsage;
        return 2;
    }
    const QDir dir(folder);
    const QString estimatesFile = dir.filePath(QStringLiteral("velta.fdb"));
    const QString catalogueFile = dir.filePath(QStringLiteral("service.fdb"));
    for (const QString& f : {catalogueFile, estimatesFile}) {
        if (!QFileInfo::exists(f)) {
            c.err << "Файл «" << QDir::toNativeSeparators(f) << "» не знайдено.\n";
            return 1;
        }
    }

    const QString user = QStringLiteral("SYSDBA");
    const QString password = QStringLiteral("masterkey");
    try {
        velta::data::Database catalogue(catalogueFile, user, password);
        velta::data::Database estimates(estimatesFile, user, password);
        velta::calc::SqlEstimateStore store(estimates);
        const std::vector<int> keys = all ? store.estimateKeys() : std::vector<int>{idCost};
        int status = 0;
        for (int key : keys) {
            // The settings as they are now, for every command.
            const velta::calc::CalcSettings settings =
                velta::calc::CalcSettingsFrom(velta::core::Settings::load(folder));
            try {
                if (!velta::calc::CalculateEstimate(store, catalogue, key, settings)) {
                    c.err << "Кошторис " << key << " не знайдено.\n";
                    status = 1;
                    continue;
                }
            } catch (const velta::calc::CalcError& e) {
                c.err << "Кошторис " << key << ": " << e.message() << '\n';
                status = 1;
                continue;
            } catch (const velta::data::fb::Error& e) {
                c.err << "Кошторис " << key << ": " << e.message() << '\n';
                status = 1;
                continue;
            }
            const auto row = estimates.run(
                QStringLiteral(R"(SELECT "Cost_Number", "Sum_Full" FROM "Cost" WHERE "ID_Cost" = :ID_Cost)"),
                {{QStringLiteral("ID_Cost"), key}});
            c.out << key << '\t' << row.rows.at(0).at(0).toString() << '\t' << number(row.rows.at(0).at(1))
                  << '\n';
            c.out.flush();
        }
        return status;
    } catch (const velta::data::fb::Error& e) {
        c.err << e.message() << '\n';
        return 1;
    }
}

velta::cli::CommandRegistration reg{
    {QStringLiteral("calculate"), QStringLiteral("[--workdir DIR] (--estimate ID | --all)"),
     QStringLiteral("run the Calculate command on one or every estimate and commit"), run}};

} // namespace
