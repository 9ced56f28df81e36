#pragma once
// TDM4, the data module: the one owner of both database connections and of
// every dataset the program reads and writes. It fixes which rows each
// dataset shows and in which order, who follows whom as master and detail,
// the new-row keys and defaults, the cascading deletes, the derived values,
// the start-up upgrade of old databases, free SQL (QuerySQL, QueryToList) and
// the by-name operations of the report scripts.
//
// Windows never open connections of their own; they work through the
// datasets here and call commit() after every completed command.

#include "data/dataset.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace velta::core {
class Registry;
}

namespace velta::data {

class Database;

// Where the databases are. By default both files of the working folder open
// in-process (embedded engine); a server name sends them to a Firebird server.
struct DatabaseSettings {
    QString server; // "Сервер базы данных": host or host/port; empty = embedded
    QString folder; // "Папка базы данных на сервере"; empty = the working folder
    QString user = QStringLiteral("SYSDBA");        // "Пользователь базы данных"
    QString password = QStringLiteral("masterkey"); // "Пароль базы данных"

    // The four keys of section "Установки" of velta.ini in workingFolder
    // (defaults when the file or a key is missing).
    static DatabaseSettings load(const QString& workingFolder);
};

class TDM4 : public QObject {
    Q_OBJECT
public:
    struct Options {
        QString workingFolder;
        DatabaseSettings database;
        // Schema step 6 reads Version and fPasIdx2001 from it; without one the step is skipped.
        core::Registry* registry = nullptr;
        QString programVersion = QStringLiteral(VELTA_VERSION);
        // Receives the start-up log lines the data module writes (the
        // application owns velta.log and closes it).
        std::function<void(const QString&)> log;
        // The number of a new estimate from the previous estimate's number
        // (empty when there is none); without it the program's own numbering
        // rule with today's date is used.
        std::function<QString(const QString&)> nextCostNumber;
        // The clock of time stamps and new-row dates (tests fix it).
        std::function<QDateTime()> now;
    };

    explicit TDM4(Options options, QObject* parent = nullptr);
    ~TDM4() override;

    // The creation steps: connects the catalogue and then the estimates
    // database. When either fails, writes the failure lines to the log,
    // closes both and returns false (connectionError() holds the text to
    // show). Otherwise brings both schemas up to date, opens the datasets in
    // their documented order with the log labels and returns true; an error
    // while opening writes "Запуск программы выполнен с ошибками" and goes on
    // to the caller, the datasets opened so far staying open.
    bool start();
    const QString& connectionError() const { return m_connectionError; }
    bool isServiceConnected() const { return m_service != nullptr; }
    // The working folder the module was started for (velta.ini, velta.vle live there).
    const QString& workingFolder() const { return m_options.workingFolder; }
    bool isVeltaConnected() const { return m_velta != nullptr; }

    // The commit after every completed command, and the Save commands'
    // "commit keeping the transaction open": a hard commit of both
    // transactions and at once new ones; every dataset keeps its rows.
    void commit();
    void commitService();
    void commitVelta();

    // Free SQL on the utility dataset: on the estimates database when the
    // text holds "Cost or "ListService, else on the catalogue. True when a
    // result is open (first row current); statements without rows are run.
    bool runQuerySQL(const QString& text);
    // Fills list from a query of two rows or more (see the .cpp).
    void QueryToList(const QString& text, QStringList& list);
    // Which database a QuerySQL text goes to.
    static bool goesToEstimates(const QString& text);

    // --- by-name operations of the report scripts ("dm4.TbCost") ---
    Dataset* findByName(const QString& name) const;
    bool FilterData(const QString& name, const QString& filter);
    int RecordCount(const QString& name);
    bool DataNext(const QString& name);
    bool DataPrior(const QString& name);
    bool DataFirst(const QString& name);
    bool DataLast(const QString& name);
    bool DataEof(const QString& name);
    bool DataBof(const QString& name);
    QVariant GetValue(const QString& name, const QString& field);
    void SetValue(const QString& name, const QString& field, const QVariant& value);
    bool LocateData(const QString& name, const QString& field, const QVariant& value);

    // Every dataset by its name; nullptr when unknown. Names ignore case.
    Dataset* dataset(const QString& name) const;
    const std::vector<Dataset*>& datasets() const { return m_order; }

    // The datasets by name.
    Dataset& TbService() const { return *m_tbService; }
    Dataset& TbSrvKof() const { return *m_tbSrvKof; }
    Dataset& TsSrvKof() const { return *m_tsSrvKof; }
    Dataset& TbTypeParameter() const { return *m_tbTypeParameter; }
    Dataset& TbTypeUnit() const { return *m_tbTypeUnit; }
    Dataset& TbServiceLst() const { return *m_tbServiceLst; }
    Dataset& TsServiceLst() const { return *m_tsServiceLst; }
    Dataset& TbServiceLnk() const { return *m_tbServiceLnk; }
    Dataset& TbSrvCat() const { return *m_tbSrvCat; }
    Dataset& TbSrvParam() const { return *m_tbSrvParam; }
    Dataset& TbSrvTable() const { return *m_tbSrvTable; }
    Dataset& TbSrvNote() const { return *m_tbSrvNote; }
    Dataset& TlSrvNote() const { return *m_tlSrvNote; }
    Dataset& TsSrvCat() const { return *m_tsSrvCat; }
    Dataset& TsSrvParam() const { return *m_tsSrvParam; }
    Dataset& TsSrvTable() const { return *m_tsSrvTable; }
    Dataset& TsSrvNote() const { return *m_tsSrvNote; }
    Dataset& TiSrvNote() const { return *m_tiSrvNote; }
    Dataset& TbServiceList() const { return *m_tbServiceList; }
    Dataset& TbExport() const { return *m_tbExport; }
    Dataset& TbCost() const { return *m_tbCost; }
    Dataset& TbCostField() const { return *m_tbCostField; }
    Dataset& TbCostSrv() const { return *m_tbCostSrv; }
    Dataset& TsCostSrv() const { return *m_tsCostSrv; }
    Dataset& TbCostLnk() const { return *m_tbCostLnk; }
    Dataset& TsCostLnk() const { return *m_tsCostLnk; }
    Dataset& TbCostParam() const { return *m_tbCostParam; }
    Dataset& TbCostValue() const { return *m_tbCostValue; }
    Dataset& TsCostParam() const { return *m_tsCostParam; }
    Dataset& TsCostValue() const { return *m_tsCostValue; }
    Dataset& TbListService() const { return *m_tbListService; }
    Dataset& TbListServiceLnk() const { return *m_tbListServiceLnk; }
    Dataset& QbCostLnk() const { return *m_qbCostLnk; }
    Dataset& QuerySQL() const { return *m_querySQL; }

    Database* service() const { return m_service.get(); }
    Database* velta() const { return m_velta.get(); }

    // The next key of a catalogue table: one more than the largest, 1 for an empty table.
    int nextKey(const QString& table, const QString& keyField);

private:
    Dataset* make(std::unique_ptr<Dataset>& slot, const QString& name, bool estimates, const QString& sql,
                  const QString& table, const QString& key, const QString& generator = {});
    void setUpDatasets();
    void setUpDefaults();
    void setUpCascades();
    void bindExecutors();
    bool connect();
    void upgradeSchemas();
    void openAll();
    void writeLog(const QString& line) const;
    QDateTime now() const;
    QString nextCostNumber();

    Options m_options;
    std::unique_ptr<Database> m_service;
    std::unique_ptr<Database> m_velta;
    QString m_connectionError;
    std::array<QVariant, 10> m_carried;
    std::vector<Dataset*> m_order;
    std::map<QString, Dataset*> m_byName; // lower-case name

    std::unique_ptr<Dataset> m_tbService, m_tbSrvKof, m_tsSrvKof, m_tbTypeParameter, m_tbTypeUnit,
        m_tbServiceLst, m_tsServiceLst, m_tbServiceLnk, m_tbSrvCat, m_tbSrvParam, m_tbSrvTable, m_tbSrvNote,
        m_tlSrvNote, m_tsSrvCat, m_tsSrvParam, m_tsSrvTable, m_tsSrvNote, m_tiSrvNote, m_tbServiceList,
        m_tbExport;
    std::unique_ptr<Dataset> m_tbCost, m_tbCostField, m_tbCostSrv, m_tsCostSrv, m_tbCostLnk, m_tsCostLnk,
        m_tbCostParam, m_tbCostValue, m_tsCostParam, m_tsCostValue, m_tbListService, m_tbListServiceLnk,
        m_qbCostLnk, m_querySQL;
    std::vector<bool> m_onEstimates; // per m_order entry
};

} // namespace velta::data
