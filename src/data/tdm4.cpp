#include "data/tdm4.h"

#include "core/cost_number.h"
#include "core/ini_file.h"
#include "core/registry.h"
#include "core/settings.h"
#include "data/database.h"
#include "data/fb/connection.h"
#include "data/fb/error.h"
#include "data/schema/schema.h"

#include <QDir>

#include <stdexcept>

namespace velta::data {

namespace {

const QString kSetup = QStringLiteral("Установки");

QString sel(const char* sql) {
    return QString::fromUtf8(sql);
}

// The message for a connection that failed: the engine's own text (the
// wrapper already explains a lock folder the user cannot write), except for a
// file held by another process, where it would not tell the user what to do.
QString connectionMessage(const fb::Error& e) {
    if (e.isDatabaseInUse())
        return QStringLiteral("База даних вже відкрита іншою копією програми (або іншою програмою) на цьому "
                              "комп'ютері. Закрийте її і запустіть програму знову.\n\n") +
               e.message();
    return e.message();
}

// Empties a detail row by row; each delete runs the detail's own cascade.
// The filter is lifted meanwhile so that no child is left behind unseen.
void emptyDetail(Dataset& d) {
    if (!d.isOpen())
        d.open();
    const bool filtered = d.filtered();
    d.setFiltered(false);
    while (!d.isEmpty()) {
        d.first();
        d.remove();
    }
    d.setFiltered(filtered);
}

QString textBefore(const QString& text, QChar c) {
    return text.left(text.indexOf(c));
}

} // namespace

DatabaseSettings DatabaseSettings::load(const QString& workingFolder) {
    const core::IniFile ini(core::iniPath(workingFolder));
    DatabaseSettings s;
    s.server = ini.readString(kSetup, QStringLiteral("Сервер базы данных")).trimmed();
    s.folder = ini.readString(kSetup, QStringLiteral("Папка базы данных на сервере")).trimmed();
    s.user = ini.readString(kSetup, QStringLiteral("Пользователь базы данных"), s.user);
    s.password = ini.readString(kSetup, QStringLiteral("Пароль базы данных"), s.password);
    return s;
}

TDM4::TDM4(Options options, QObject* parent) : QObject(parent), m_options(std::move(options)) {
    setUpDatasets();
    setUpDefaults();
    setUpCascades();
}

TDM4::~TDM4() {
    // The datasets go before the databases they run on.
    for (Dataset* d : m_order)
        d->setExecutor(nullptr);
}

QDateTime TDM4::now() const {
    return m_options.now ? m_options.now() : QDateTime::currentDateTime();
}

void TDM4::writeLog(const QString& line) const {
    if (m_options.log)
        m_options.log(line);
}

Dataset* TDM4::make(std::unique_ptr<Dataset>& slot, const QString& name, bool estimates, const QString& sql,
                    const QString& table, const QString& key, const QString& generator) {
    slot = std::make_unique<Dataset>(name);
    slot->setSelectSql(sql);
    if (!table.isEmpty())
        slot->setTable(table, {key}, generator);
    m_order.push_back(slot.get());
    m_onEstimates.push_back(estimates);
    m_byName.emplace(name.toLower(), slot.get());
    return slot.get();
}

void TDM4::setUpDatasets() {
    const QString idService = QStringLiteral("ID_Service");
    const QString idServiceList = QStringLiteral("ID_ServiceList");
    const QString idCost = QStringLiteral("ID_Cost");
    const QString idCostLnk = QStringLiteral("ID_CostLnk");

    // Catalogue.
    make(m_tbService, "TbService", false, sel(R"(Select * From "Service" Order By "Date")"), "Service",
         idService);
    const QString kof =
        sel(R"(Select * From "ServiceKof" Where "ID_Service" = :ID_Service Order By "ID_Service", "Date")");
    make(m_tbSrvKof, "TbSrvKof", false, kof, "ServiceKof", "ID_ServiceKof")
        ->setMaster(m_tbService.get(), {idService});
    make(m_tsSrvKof, "TsSrvKof", false, kof, "ServiceKof", "ID_ServiceKof")
        ->setMaster(m_tbService.get(), {idService});
    make(m_tbTypeParameter, "TbTypeParameter", false, sel(R"(Select * From "TypeParameter" Order By "Name")"),
         "TypeParameter", "ID_TypeParameter");
    make(m_tbTypeUnit, "TbTypeUnit", false, sel(R"(Select * From "TypeUnit" Order By "Name")"), "TypeUnit",
         "ID_TypeUnit");
    make(m_tbServiceLst, "TbServiceLst", false,
         sel(R"(Select * From "ServiceList" Where "ID_Service" = :ID_Service And "ID_ServiceLnk" Is Null )"
             R"(Order By "ID_Service", "Number")"),
         "ServiceList", idServiceList)
        ->setMaster(m_tbService.get(), {idService});
    make(
        m_tsServiceLst, "TsServiceLst", false,
        sel(R"(Select * From "ServiceList" Where "ID_Service" = :ID_Service Order By "ID_Service", "Number")"),
        "ServiceList", idServiceList)
        ->setMaster(m_tbService.get(), {idService});
    make(m_tbServiceLnk, "TbServiceLnk", false,
         sel(R"(Select * From "ServiceList" Where "ID_ServiceLnk" = :idServiceList Order By "Number")"),
         "ServiceList", idServiceList);
    m_tbServiceLnk->setParam(QStringLiteral("idServiceList"), 0);

    struct Child {
        std::unique_ptr<Dataset>* tb;
        std::unique_ptr<Dataset>* ts;
        const char* tbName;
        const char* tsName;
        const char* table;
        const char* key;
    };
    const Child children[] = {
        {&m_tbSrvCat, &m_tsSrvCat, "TbSrvCat", "TsSrvCat", "ServiceCat", "ID_ServiceCat"},
        {&m_tbSrvParam, &m_tsSrvParam, "TbSrvParam", "TsSrvParam", "ServiceParam", "ID_ServiceParam"},
        {&m_tbSrvTable, &m_tsSrvTable, "TbSrvTable", "TsSrvTable", "ServiceTbl", "ID_ServiceTbl"},
        {&m_tbSrvNote, &m_tsSrvNote, "TbSrvNote", "TsSrvNote", "ServiceNote", "ID_ServiceNote"},
    };
    for (const Child& c : children) {
        const QString sql = QStringLiteral(R"(Select * From "%1" Where "ID_ServiceList" = :ID_ServiceList )"
                                           R"(Order By "ID_ServiceList", "Number")")
                                .arg(QLatin1String(c.table));
        make(*c.tb, c.tbName, false, sql, c.table, c.key)->setMaster(m_tbServiceLnk.get(), {idServiceList});
    }
    const QString notes4 = sel(R"(Select * From "ServiceNote" Where "ID_ServiceList" = :ID_ServiceList And )"
                               R"("ID_TypeCalc" = 4 Order By "ID_ServiceList", "Number")");
    make(m_tlSrvNote, "TlSrvNote", false, notes4, "ServiceNote", "ID_ServiceNote")
        ->setMaster(m_tbServiceLnk.get(), {idServiceList});
    for (const Child& c : children) {
        const QString sql = QStringLiteral(R"(Select * From "%1" Where "ID_ServiceList" = :ID_ServiceList )"
                                           R"(Order By "ID_ServiceList", "Number")")
                                .arg(QLatin1String(c.table));
        make(*c.ts, c.tsName, false, sql, c.table, c.key)->setMaster(m_tsServiceLst.get(), {idServiceList});
    }
    make(m_tiSrvNote, "TiSrvNote", false, notes4, "ServiceNote", "ID_ServiceNote")
        ->setMaster(m_tsServiceLst.get(), {idServiceList});
    make(m_tbServiceList, "TbServiceList", false,
         sel(R"(Select * From "ServiceList" Where "ID_Service" = :ID_Service Order By "Small", "Number")"),
         "ServiceList", idServiceList);
    make(m_tbExport, "TbExport", false, sel(R"(Select * From "Export" Order By "Name")"), "Export", "Name");

    // Estimates.
    make(m_tbCost, "TbCost", true, sel(R"(Select * From "Cost")"), "Cost", idCost, "ID_GEN_COST");
    make(m_tbCostField, "TbCostField", true, sel(R"(Select * From "CostField" Where "ID_Cost" = :ID_Cost)"),
         "CostField", idCost)
        ->setMaster(m_tbCost.get(), {idCost});
    const QString srv =
        sel(R"(Select * From "CostSrv" Where "ID_Cost" = :ID_Cost Order By "ID_Cost", "Number")");
    make(m_tbCostSrv, "TbCostSrv", true, srv, "CostSrv", "ID_CostSrv", "ID_GEN_COSTSRV")
        ->setMaster(m_tbCost.get(), {idCost});
    make(m_tsCostSrv, "TsCostSrv", true, srv, "CostSrv", "ID_CostSrv", "ID_GEN_COSTSRV")
        ->setMaster(m_tbCost.get(), {idCost});
    const QString lnk =
        sel(R"(Select * From "CostLnk" Where "ID_Cost" = :ID_Cost And "ID_Service" = :ID_Service )"
            R"(Order By "ID_Cost", "ID_Service", "Number")");
    make(m_tbCostLnk, "TbCostLnk", true, lnk, "CostLnk", idCostLnk, "ID_GEN_COSTLNK")
        ->setMaster(m_tbCostSrv.get(), {idCost, idService});
    make(m_tsCostLnk, "TsCostLnk", true, lnk, "CostLnk", idCostLnk, "ID_GEN_COSTLNK")
        ->setMaster(m_tsCostSrv.get(), {idCost, idService});
    const QString param =
        sel(R"(Select * From "CostParam" Where "ID_CostLnk" = :ID_CostLnk Order By "ID_CostLnk", "Number")");
    const QString value = sel(
        R"(Select * From "CostValue" Where "ID_CostLnk" = :ID_CostLnk Order By "ID_CostLnk", "ID_TypeValue")");
    make(m_tbCostParam, "TbCostParam", true, param, "CostParam", "ID_CostParam", "ID_GEN_COSTPARAM")
        ->setMaster(m_tbCostLnk.get(), {idCostLnk});
    make(m_tbCostValue, "TbCostValue", true, value, "CostValue", "ID_CostValue", "ID_GEN_COSTVALUE")
        ->setMaster(m_tbCostLnk.get(), {idCostLnk});
    make(m_tsCostParam, "TsCostParam", true, param, "CostParam", "ID_CostParam", "ID_GEN_COSTPARAM")
        ->setMaster(m_tsCostLnk.get(), {idCostLnk});
    make(m_tsCostValue, "TsCostValue", true, value, "CostValue", "ID_CostValue", "ID_GEN_COSTVALUE")
        ->setMaster(m_tsCostLnk.get(), {idCostLnk});
    make(m_tbListService, "TbListService", true, sel(R"(Select * From "ListService" Order By "Name")"),
         "ListService", "ID_ListService", "ID_GEN_LISTSERVICE");
    make(m_tbListServiceLnk, "TbListServiceLnk", true,
         sel(R"(Select * From "ListServiceLnk" Where "ID_ListService" = :ID_ListService )"
             R"(Order By "ID_ListService", "Number")"),
         "ListServiceLnk", "ID_ListServiceLnk", "ID_GEN_LISTSERVICELNK")
        ->setMaster(m_tbListService.get(), {QStringLiteral("ID_ListService")});
    // The section picker of the template editor follows a template line,
    // across the two databases.
    m_tbServiceList->setMaster(m_tbListServiceLnk.get(), {idService});
    make(m_qbCostLnk, "QbCostLnk", true, sel(R"(SELECT * FROM "CostLnk")"), "CostLnk", idCostLnk,
         "ID_GEN_COSTLNK");
    make(m_querySQL, "QuerySQL", false, {}, {}, {});

    // Derived values.
    m_tbCost->addCalculatedField(QStringLiteral("S"));
    m_tbCost->setCalculate([](Dataset& d) {
        const double real = d.value(QStringLiteral("Sum_Real")).toDouble();
        d.setValue(QStringLiteral("Sum"),
                   real > 0 ? d.value(QStringLiteral("Sum_Real")) : d.value(QStringLiteral("Sum_Full")));
        const QVariant area = d.value(QStringLiteral("Area"));
        d.setValue(QStringLiteral("S"), area.isNull() ? QVariant() : QVariant(area.toDouble() / 10000.0));
    });
    for (Dataset* d : {m_tbCostValue.get(), m_tsCostValue.get()}) {
        d->addCalculatedField(QStringLiteral("FullName"));
        d->setCalculate([](Dataset& ds) {
            const QString name = ds.value(QStringLiteral("Name")).toString();
            const QString description = ds.value(QStringLiteral("Description")).toString();
            const QString joint =
                !name.isEmpty() && !description.isEmpty() ? QStringLiteral(", ") : QStringLiteral(" ");
            ds.setValue(QStringLiteral("FullName"), (name + joint + description).trimmed().left(250));
        });
    }

    // After-open rules: a subsection's grids open with it.
    m_tbServiceLnk->onAfterOpen([this](Dataset&) {
        for (Dataset* d : {m_tbSrvCat.get(), m_tbSrvParam.get(), m_tbSrvTable.get(), m_tbSrvNote.get()})
            d->open();
    });
    m_tsServiceLst->onAfterOpen([this](Dataset&) {
        for (Dataset* d : {m_tsSrvCat.get(), m_tsSrvParam.get(), m_tsSrvTable.get(), m_tsSrvNote.get()})
            d->open();
    });
}

int TDM4::nextKey(const QString& table, const QString& keyField) {
    runQuerySQL(QStringLiteral("Select Max( \"%1\") ID From \"%2\"").arg(keyField, table));
    if (!m_querySQL->isOpen() || m_querySQL->isEmpty())
        return 1;
    return m_querySQL->value(QStringLiteral("ID")).toInt() + 1; // NULL counts as 0
}

QString TDM4::nextCostNumber() {
    const QueryResult r = m_velta->run(
        sel(R"(Select * From "Cost" Where "ID_Cost" = (Select Max( "ID_Cost") ID From "Cost"))"), {});
    if (r.rows.empty())
        return QStringLiteral("1");
    int column = -1;
    for (size_t i = 0; i < r.columns.size(); ++i) {
        if (r.columns[i].name == QLatin1String("Cost_Number"))
            column = int(i);
    }
    const QString previous = column >= 0 ? r.rows.front()[column].toString() : QString();
    return m_options.nextCostNumber ? m_options.nextCostNumber(previous)
                                    : core::NextCostNumber(previous, now().date());
}

void TDM4::setUpDefaults() {
    auto keyed = [this](Dataset* d, const QString& table, const QString& key) {
        d->onNewRecord([this, table, key](Dataset& ds) { ds.setValue(key, nextKey(table, key)); });
    };
    auto serviceKey = [this]() { return m_tbService->value(QStringLiteral("ID_Service")); };
    auto stamp = [this](Dataset* d) {
        d->onBeforePost([this](Dataset& ds) { ds.setValue(QStringLiteral("Edited"), now()); });
    };

    // Catalogue: keys are the largest plus one.
    keyed(m_tbService.get(), "Service", "ID_Service");
    for (Dataset* d : {m_tbServiceLst.get(), m_tsServiceLst.get()}) {
        d->onNewRecord(
            [serviceKey](Dataset& ds) { ds.setValue(QStringLiteral("ID_Service"), serviceKey()); });
        keyed(d, "ServiceList", "ID_ServiceList");
    }
    m_tbServiceLnk->onNewRecord([serviceKey](Dataset& ds) {
        const QVariant parent = ds.param(QStringLiteral("idServiceList"));
        if (parent.toInt() != 0)
            ds.setValue(QStringLiteral("ID_ServiceLnk"), parent);
        ds.setValue(QStringLiteral("ID_Service"), serviceKey());
        ds.setValue(QStringLiteral("ID_ServiceType"), 0);
    });
    keyed(m_tbServiceLnk.get(), "ServiceList", "ID_ServiceList");
    m_tbSrvKof->onNewRecord([this, serviceKey](Dataset& ds) {
        ds.setValue(QStringLiteral("Created"), now());
        ds.setValue(QStringLiteral("ID_Service"), serviceKey());
    });
    keyed(m_tbSrvKof.get(), "ServiceKof", "ID_ServiceKof");
    stamp(m_tbSrvKof.get());
    m_tsSrvKof->onNewRecord(
        [serviceKey](Dataset& ds) { ds.setValue(QStringLiteral("ID_Service"), serviceKey()); });

    const QString idServiceList = QStringLiteral("ID_ServiceList");
    struct Owned {
        Dataset* d;
        Dataset* owner;
        const char* table;
        const char* key;
    };
    const Owned owned[] = {
        {m_tbSrvCat.get(), m_tbServiceLnk.get(), "ServiceCat", "ID_ServiceCat"},
        {m_tbSrvParam.get(), m_tbServiceLnk.get(), "ServiceParam", "ID_ServiceParam"},
        {m_tsSrvCat.get(), m_tsServiceLst.get(), "ServiceCat", "ID_ServiceCat"},
        {m_tsSrvParam.get(), m_tsServiceLst.get(), "ServiceParam", "ID_ServiceParam"},
        {m_tbSrvTable.get(), m_tbServiceLnk.get(), "ServiceTbl", "ID_ServiceTbl"},
        {m_tsSrvTable.get(), m_tsServiceLst.get(), "ServiceTbl", "ID_ServiceTbl"},
        {m_tbSrvNote.get(), m_tbServiceLnk.get(), "ServiceNote", "ID_ServiceNote"},
        {m_tsSrvNote.get(), m_tsServiceLst.get(), "ServiceNote", "ID_ServiceNote"},
    };
    for (const Owned& o : owned) {
        const QString table = QLatin1String(o.table);
        if (table == QLatin1String("ServiceTbl")) {
            // A price row is numbered after the row current when it was asked for.
            o.d->onBeforeInsert([this](Dataset& ds) {
                m_carried[0] = ds.isEmpty() ? 1 : ds.value(QStringLiteral("Number")).toInt() + 1;
            });
            o.d->onNewRecord([this](Dataset& ds) { ds.setValue(QStringLiteral("Number"), m_carried[0]); });
        }
        if (table == QLatin1String("ServiceNote")) {
            o.d->onNewRecord([](Dataset& ds) {
                ds.setValue(QStringLiteral("ID_TypeCalc"), 0);
                ds.setValue(QStringLiteral("ID_TypeValue"), 0);
            });
        }
        Dataset* owner = o.owner;
        o.d->onNewRecord(
            [owner, idServiceList](Dataset& ds) { ds.setValue(idServiceList, owner->value(idServiceList)); });
        keyed(o.d, table, QLatin1String(o.key));
    }
    keyed(m_tbTypeParameter.get(), "TypeParameter", "ID_TypeParameter");
    keyed(m_tbTypeUnit.get(), "TypeUnit", "ID_TypeUnit");

    m_tbExport->onBeforeInsert([this](Dataset& ds) {
        m_carried.fill(QVariant());
        if (!ds.isEmpty()) {
            m_carried[0] = ds.value(QStringLiteral("Name"));
            m_carried[1] = ds.value(QStringLiteral("DataBase"));
            m_carried[2] = ds.value(QStringLiteral("FieldName"));
            m_carried[3] = ds.value(QStringLiteral("Note"));
        }
    });
    m_tbExport->onNewRecord([this](Dataset& ds) {
        const QString name = m_carried[0].toString();
        if (name.isEmpty())
            return;
        if (name.contains(QLatin1Char('_')))
            ds.setValue(QStringLiteral("Name"), textBefore(name, QLatin1Char('_')));
        ds.setValue(QStringLiteral("DataBase"), m_carried[1]);
        const QString note = m_carried[3].toString();
        if (note.contains(QLatin1Char('-')))
            ds.setValue(QStringLiteral("Note"), textBefore(note, QLatin1Char('-')));
    });

    // Estimates: keys come from the generators at post.
    const QString idCost = QStringLiteral("ID_Cost");
    auto costKey = [this, idCost]() { return m_tbCost->value(idCost); };
    m_tbCost->onNewRecord([this](Dataset& ds) {
        ds.setValue(QStringLiteral("Cost_Date"), now().date());
        ds.setValue(QStringLiteral("Cost_Number"), nextCostNumber());
    });
    m_tbCostField->onNewRecord([costKey, idCost](Dataset& ds) { ds.setValue(idCost, costKey()); });
    m_tbCostSrv->onBeforeInsert([this](Dataset& ds) {
        if (ds.isEmpty()) {
            m_carried[0] = 1;
        } else {
            ds.last();
            m_carried[0] = ds.value(QStringLiteral("Number")).toInt() + 1;
        }
    });
    m_tbCostSrv->onNewRecord([this, costKey, idCost](Dataset& ds) {
        ds.setValue(idCost, costKey());
        ds.setValue(QStringLiteral("Number"), m_carried[0]);
    });
    m_tsCostSrv->onNewRecord([costKey, idCost](Dataset& ds) { ds.setValue(idCost, costKey()); });
    for (Dataset* d : {m_tbCostLnk.get(), m_tsCostLnk.get()}) {
        d->onBeforeInsert([this](Dataset& ds) {
            if (ds.isEmpty()) {
                m_carried[0] = 1;
            } else {
                ds.last();
                m_carried[0] = ds.value(QStringLiteral("Number")).toInt() + 1;
            }
        });
    }
    m_tbCostLnk->onNewRecord([this, costKey, idCost](Dataset& ds) {
        ds.setValue(idCost, costKey());
        // Numbered after the largest number of the collection's sections of
        // kind 0; the values go in as parameters.
        const QueryResult r = m_velta->run(
            sel(R"(Select Max( "Number") ID From "CostLnk" Where "ID_Cost" = :ID_Cost And "ID_Service" = )"
                R"(:ID_Service And ("ID_ServiceType" is Null Or "ID_ServiceType" = 0))"),
            {{idCost, m_tbCostSrv->value(idCost)},
             {"ID_Service", m_tbCostSrv->value(QStringLiteral("ID_Service"))}});
        if (r.rows.empty())
            ds.setValue(QStringLiteral("Number"), m_carried[0]);
        else
            ds.setValue(QStringLiteral("Number"), r.rows.front().front().toInt() + 1);
    });
    m_tsCostLnk->onNewRecord([this, costKey, idCost](Dataset& ds) {
        ds.setValue(idCost, costKey());
        ds.setValue(QStringLiteral("Number"), m_carried[0]);
    });
    const QString idCostLnk = QStringLiteral("ID_CostLnk");
    for (Dataset* d : {m_tbCostParam.get(), m_tbCostValue.get()})
        d->onNewRecord(
            [this, idCostLnk](Dataset& ds) { ds.setValue(idCostLnk, m_tbCostLnk->value(idCostLnk)); });
    for (Dataset* d : {m_tsCostParam.get(), m_tsCostValue.get()})
        d->onNewRecord(
            [this, idCostLnk](Dataset& ds) { ds.setValue(idCostLnk, m_tsCostLnk->value(idCostLnk)); });
    m_tbListService->onNewRecord([this](Dataset& ds) { ds.setValue(QStringLiteral("Created"), now()); });
    m_tbListServiceLnk->onNewRecord([this](Dataset& ds) {
        ds.setValue(QStringLiteral("ID_Service"), 1);
        ds.setValue(QStringLiteral("ID_ListService"),
                    m_tbListService->value(QStringLiteral("ID_ListService")));
        ds.setValue(QStringLiteral("Created"), now());
    });
    stamp(m_tbListService.get());
    stamp(m_tbListServiceLnk.get());
}

void TDM4::setUpCascades() {
    m_tbCost->onBeforeDelete([this](Dataset&) { emptyDetail(*m_tbCostSrv); });
    m_tbCostSrv->onBeforeDelete([this](Dataset&) { emptyDetail(*m_tbCostLnk); });
    m_tbCostLnk->onBeforeDelete([this](Dataset&) {
        emptyDetail(*m_tbCostParam);
        emptyDetail(*m_tbCostValue);
    });
    m_tbListService->onBeforeDelete([this](Dataset&) { emptyDetail(*m_tbListServiceLnk); });
    m_tbServiceLnk->onBeforeDelete([this](Dataset&) {
        for (Dataset* d : {m_tbSrvCat.get(), m_tbSrvParam.get(), m_tbSrvTable.get(), m_tbSrvNote.get()})
            emptyDetail(*d);
    });
}

// --- start-up ---

bool TDM4::connect() {
    const DatabaseSettings& s = m_options.database;
    const QString folder = s.server.isEmpty() || s.folder.isEmpty() ? m_options.workingFolder : s.folder;
    auto address = [&](const char* file) {
        return fb::Connection::address(s.server, folder, QString::fromLatin1(file));
    };
    try {
        m_service = std::make_unique<Database>(address(schema::catalogueFileName), s.user, s.password);
        m_velta = std::make_unique<Database>(address(schema::estimatesFileName), s.user, s.password);
    } catch (const fb::Error& e) {
        m_connectionError = connectionMessage(e);
    } catch (const std::exception& e) {
        m_connectionError = QString::fromStdString(e.what());
    }
    if (m_service && m_velta) {
        bindExecutors();
        return true;
    }
    m_velta.reset();
    m_service.reset();
    return false;
}

void TDM4::bindExecutors() {
    for (size_t i = 0; i < m_order.size(); ++i)
        m_order[i]->setExecutor(m_onEstimates[i] ? m_velta.get() : m_service.get());
}

bool TDM4::start() {
    if (!connect()) {
        writeLog(QStringLiteral("Программа не смогла открыть базу данных"));
        writeLog(QString());
        return false;
    }
    writeLog(QStringLiteral("Открытие баз данных:"));
    upgradeSchemas();
    try {
        openAll();
    } catch (...) {
        writeLog(QStringLiteral("Запуск программы выполнен с ошибками"));
        writeLog(QString());
        throw;
    }
    writeLog(QStringLiteral("Запуск программы успешно выполнен"));
    writeLog(QString());
    return true;
}

void TDM4::openAll() {
    const std::pair<const char*, std::vector<Dataset*>> groups[] = {
        {"Service", {m_tbService.get()}},
        {"ServiceLst", {m_tbServiceLst.get(), m_tsServiceLst.get()}},
        {"ServiceLnk", {m_tbServiceLnk.get()}},
        {"ServiceKof", {m_tbSrvKof.get(), m_tsSrvKof.get()}},
        {"ServiceCat", {m_tbSrvCat.get(), m_tsSrvCat.get()}},
        {"ServiceParam", {m_tbSrvParam.get(), m_tsSrvParam.get()}},
        {"ServiceTable", {m_tbSrvTable.get(), m_tsSrvTable.get()}},
        {"ServiceNote", {m_tbSrvNote.get(), m_tsSrvNote.get()}},
        {"ListService", {m_tbListService.get()}},
        {"ListServiceLnk", {m_tbListServiceLnk.get()}},
        {"TypeParameter", {m_tbTypeParameter.get()}},
        {"TypeUnit", {m_tbTypeUnit.get()}},
        {"Cost", {m_tbCost.get()}},
        {"CostField", {m_tbCostField.get()}},
        {"CostSrv", {m_tbCostSrv.get()}},
        {"CostLnk", {m_tbCostLnk.get()}},
        {"CostParam", {m_tbCostParam.get()}},
        {"CostValue", {m_tbCostValue.get()}},
        {"Export", {m_tbExport.get()}},
    };
    for (const auto& [label, list] : groups) {
        writeLog(QString::fromLatin1(label));
        for (Dataset* d : list)
            d->open();
    }
}

void TDM4::commitService() {
    if (m_service)
        m_service->commit();
}

void TDM4::commitVelta() {
    if (m_velta)
        m_velta->commit();
}

void TDM4::commit() {
    commitService();
    commitVelta();
}

// --- free SQL ---

bool TDM4::goesToEstimates(const QString& text) {
    return text.contains(QLatin1String("\"Cost")) || text.contains(QLatin1String("\"ListService"));
}

bool TDM4::runQuerySQL(const QString& text) {
    m_querySQL->close();
    m_querySQL->setFiltered(false);
    m_querySQL->setFilter(QString());
    m_querySQL->setExecutor(goesToEstimates(text) ? m_velta.get() : m_service.get());
    m_querySQL->setSelectSql(text);
    m_querySQL->open();
    return m_querySQL->isOpen();
}

// Pick lists: only a result of two rows or more is listed, each row by its
// second column where the first two are filled, else by its first.
void TDM4::QueryToList(const QString& text, QStringList& list) {
    m_querySQL->close();
    m_querySQL->setExecutor(goesToEstimates(text) ? m_velta.get() : m_service.get());
    m_querySQL->setSelectSql(text);
    m_querySQL->open();
    list.clear();
    if (m_querySQL->isOpen() && m_querySQL->recordCount() >= 2) {
        const int columns = m_querySQL->fieldCount();
        for (int row = 0; row < m_querySQL->recordCount(); ++row) {
            const QString first = m_querySQL->valueAt(row, 0).toString();
            const QString second = columns >= 2 ? m_querySQL->valueAt(row, 1).toString() : QString();
            if (columns >= 2 && !first.isEmpty() && !second.isEmpty())
                list << second;
            else if (!first.isEmpty())
                list << first;
        }
    }
    m_querySQL->close();
}

// --- the start-up upgrade ---

void TDM4::upgradeSchemas() {
    // Every step runs through QuerySQL; the first error ends them, silently.
    try {
        // 1. Template names widened to 250 characters.
        if (runQuerySQL(sel(R"(Select "Name" From "ListService" Where "ID_ListService" = 0)")) &&
            m_querySQL->fieldSize(m_querySQL->fieldNames().front()) != 250) {
            runQuerySQL(sel(R"(ALTER TABLE "ListService" ALTER COLUMN "Name" type Varchar(250))"));
            // The new size takes effect only at a commit, and the datasets
            // are prepared right after: without it a name of more than the
            // old size could not be read back in this session.
            commitVelta();
        }
        // 2. A parameter kind added later.
        if (runQuerySQL(
                sel(R"(Select "ID_TypeParameter" From "TypeParameter" Where "ID_TypeParameter" = 1064)")) &&
            m_querySQL->isEmpty()) {
            runQuerySQL(sel("INSERT INTO \"TypeParameter\" VALUES ( 1064, 'виконання робіт для новостворених "
                            "господарств, що мають правовстановлювальні документи на землю', 2, Null)"));
            runQuerySQL(
                sel(R"(Update "ServiceNote" Set "ID_TypeParameter" = 1064 Where "ID_ServiceNote" = 317)"));
            runQuerySQL(
                sel("Update \"ServiceNote\" Set \"NameParameter\" = 'виконання робіт для новостворених "
                    "господарств, що мають правовстановлювальні документи на землю' Where "
                    "\"ID_ServiceNote\" = 317"));
        }
        // 3. The text-field table.
        if (runQuerySQL(
                sel("Select RDB$RELATION_NAME From RDB$RELATIONS Where (RDB$RELATION_NAME = 'Export') Or "
                    "(RDB$RELATION_NAME = 'export') Or (RDB$RELATION_NAME = 'EXPORT')")) &&
            m_querySQL->isEmpty()) {
            runQuerySQL(schema::exportTableStatement());
            runQuerySQL(schema::exportIndexStatement());
            commitService();
        }
        // 4. The payment columns of an estimate.
        if (runQuerySQL(
                sel(R"(Select R.RDB$FIELD_NAME "Cost" From RDB$FIELDS F, RDB$RELATION_FIELDS R Where )"
                    R"((F.RDB$FIELD_NAME = R.RDB$FIELD_SOURCE) And (R.RDB$SYSTEM_FLAG = 0) And )"
                    R"((R.RDB$FIELD_NAME = 'Payment_Sum'))")) &&
            m_querySQL->isEmpty()) {
            runQuerySQL(sel(R"(ALTER TABLE "Cost" ADD "Payment_Sum" NUMERIC(16,6))"));
            runQuerySQL(sel(R"(ALTER TABLE "Cost" ADD "Payment_Date" DATE)"));
            commitVelta();
        }
        // 5. Corrections of a few catalogue rows.
        if (runQuerySQL(sel(
                R"(Select "ID_ServiceType" From "ServiceList" Where "ID_ServiceList" = 983 And "ID_ServiceType" = 0)")) &&
            m_querySQL->isEmpty()) {
            runQuerySQL(sel(
                R"(Update "ServiceList" Set "ID_ServiceType" = 0 Where "ID_ServiceList" in (983, 984, 985, 986))"));
            runQuerySQL(
                sel(R"(Update "ServiceTbl"  Set "ID_Unit" = 1 Where "ID_ServiceTbl" in (27174, 27181))"));
            runQuerySQL(
                sel(R"(Update "ServiceTbl"  Set "ID_Unit" = 5 Where "ID_ServiceTbl" in (27176, 27182))"));
            runQuerySQL(sel(R"(Update "ServiceTbl"  Set "ID_Unit" = 2 Where "ID_ServiceTbl" = 27184)"));
        }
        // 6. After the catalogue was replaced by a newer one, the user's
        // choice whether index coefficient 10 is in force comes back.
        if (m_service && m_options.registry) {
            const core::Registry& reg = *m_options.registry;
            const QString version =
                reg.readString(core::registry_keys::kVelta2, core::registry_keys::kVersion);
            if (!version.isEmpty() && version != m_options.programVersion &&
                runQuerySQL(sel(R"(Select "fPassive" From "ServiceKof" Where "ID_ServiceKof" = 10)")) &&
                !m_querySQL->isEmpty()) {
                const QString saved = reg.readString(core::registry_keys::kVelta2,
                                                     core::registry_keys::kPasIdx2001, QStringLiteral("T"));
                const QString current = m_querySQL->value(QStringLiteral("fPassive")).toString();
                if (current.isEmpty() || current != saved) {
                    // The value is a parameter, not spliced into the text.
                    m_querySQL->close();
                    m_service->run(
                        sel(R"(Update "ServiceKof" Set "fPassive" = :fPassive Where "ID_ServiceKof" = 10)"),
                        {{QStringLiteral("fPassive"), saved}});
                }
            }
        }
    } catch (const std::exception&) {
    }
    m_querySQL->close();
    // Statements prepared before the DDL keep the old formats.
    m_service->clearStatements();
    m_velta->clearStatements();
}

// --- by name ---

Dataset* TDM4::dataset(const QString& name) const {
    auto it = m_byName.find(name.toLower());
    return it == m_byName.end() ? nullptr : it->second;
}

Dataset* TDM4::findByName(const QString& name) const {
    const QString lower = name.toLower();
    const int dot = lower.indexOf(QLatin1Char('.'));
    if (dot < 0 || lower.left(dot + 1) != QLatin1String("dm4."))
        return nullptr;
    return dataset(lower.mid(dot + 1));
}

bool TDM4::FilterData(const QString& name, const QString& filter) {
    if (Dataset* d = findByName(name)) {
        d->setFilter(filter);
        d->setFiltered(!filter.trimmed().isEmpty());
    }
    return false;
}

int TDM4::RecordCount(const QString& name) {
    Dataset* d = findByName(name);
    return d ? d->recordCount() : 0;
}

bool TDM4::DataNext(const QString& name) {
    if (Dataset* d = findByName(name))
        d->next();
    return false;
}

bool TDM4::DataPrior(const QString& name) {
    if (Dataset* d = findByName(name))
        d->prior();
    return false;
}

bool TDM4::DataFirst(const QString& name) {
    if (Dataset* d = findByName(name))
        d->first();
    return false;
}

bool TDM4::DataLast(const QString& name) {
    if (Dataset* d = findByName(name))
        d->last();
    return false;
}

bool TDM4::DataEof(const QString& name) {
    Dataset* d = findByName(name);
    return d ? d->eof() : false;
}

bool TDM4::DataBof(const QString& name) {
    Dataset* d = findByName(name);
    return d ? d->bof() : false;
}

QVariant TDM4::GetValue(const QString& name, const QString& field) {
    Dataset* d = findByName(name);
    if (!d || !d->hasField(field))
        return false;
    return d->value(field);
}

void TDM4::SetValue(const QString& name, const QString& field, const QVariant& value) {
    Dataset* d = findByName(name);
    if (!d || !d->hasField(field))
        return;
    d->edit();
    d->setValue(field, value);
    d->post();
}

bool TDM4::LocateData(const QString& name, const QString& field, const QVariant& value) {
    Dataset* d = findByName(name);
    if (!d || !d->hasField(field))
        return false;
    return d->locate(field, value, true);
}

} // namespace velta::data
