// velta2-cli check-catalogue [--workdir DIR]: what the price catalogue of a
// working folder holds, and every link that points nowhere. A catalogue is
// edited by hand and replaced by newer files; a price row of a deleted
// subsection or a note on a deleted parameter kind prices silently wrong, so
// this is the check to run after either.

#include "commands.h"

#include "data/fb/connection.h"
#include "data/fb/error.h"
#include "data/fb/statement.h"
#include "data/fb/transaction.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QSet>

#include <functional>
#include <map>
#include <set>

namespace {

using velta::data::fb::Connection;
using velta::data::fb::ResultSet;
using velta::data::fb::Statement;
using velta::data::fb::Transaction;

void eachRow(Connection& connection, Transaction& transaction, const QString& sql,
             const std::function<void(const ResultSet&)>& fn) {
    Statement statement(connection, transaction, sql);
    ResultSet rows = statement.openCursor();
    while (rows.next())
        fn(rows);
}

// 0 for NULL, as the calculation reads empty integer columns.
int intOr0(const ResultSet& r, int i) {
    return r.isNull(i) ? 0 : r.integer(i);
}

struct Section {
    int service = 0;
    int parent = 0;
    int type = 0;
    QString name;
};

class CatalogueCheck {
public:
    CatalogueCheck(Connection& catalogue, Transaction& transaction, QTextStream& out)
        : m_db(catalogue), m_tr(transaction), m_out(out) {}

    void run() {
        readReferenceLists();
        readSections();
        checkDetails();
        checkNotes();
        checkIndexCoefficients();
    }
    void checkTemplates(Connection& estimates, Transaction& transaction);
    // Printed after the report so that the list of faults is not scattered through it.
    const QStringList& problems() const { return m_problems; }

private:
    void problem(const QString& text) { m_problems << text; }
    void readReferenceLists();
    void readSections();
    int level(int key) const;
    void checkDetails();
    void checkNotes();
    void checkIndexCoefficients();

    Connection& m_db;
    Transaction& m_tr;
    QTextStream& m_out;
    QStringList m_problems;
    QSet<int> m_units;
    std::map<int, int> m_kindFormat; // kind -> format
    QMap<int, QString> m_services;
    std::map<int, Section> m_sections;
};

void CatalogueCheck::readReferenceLists() {
    eachRow(m_db, m_tr, QStringLiteral(R"(Select "ID_TypeUnit" From "TypeUnit")"),
            [&](const ResultSet& r) { m_units.insert(r.integer(0)); });
    std::map<int, int> byFormat;
    eachRow(
        m_db, m_tr,
        QStringLiteral(R"(Select "ID_TypeParameter", "ID_TypeValue", "ID_TypeUnit" From "TypeParameter")"),
        [&](const ResultSet& r) {
            const int kind = r.integer(0);
            m_kindFormat[kind] = intOr0(r, 1);
            ++byFormat[intOr0(r, 1)];
            if (!r.isNull(2) && !m_units.contains(r.integer(2)))
                problem(
                    QStringLiteral("parameter kind %1 has the missing unit %2").arg(kind).arg(r.integer(2)));
        });
    m_out << "Units: " << m_units.size() << "\nParameter kinds: " << m_kindFormat.size() << " (by format:";
    for (const auto& [format, count] : byFormat)
        m_out << ' ' << format << '=' << count;
    m_out << ")\n";
}

void CatalogueCheck::readSections() {
    eachRow(m_db, m_tr, QStringLiteral(R"(Select "ID_Service", "Name" From "Service" Order By "Date")"),
            [&](const ResultSet& r) { m_services.insert(r.integer(0), r.string(1)); });
    eachRow(
        m_db, m_tr,
        QStringLiteral(
            R"(Select "ID_ServiceList", "ID_Service", "ID_ServiceLnk", "ID_ServiceType", "Name" From "ServiceList")"),
        [&](const ResultSet& r) {
            m_sections[r.integer(0)] = {intOr0(r, 1), intOr0(r, 2), intOr0(r, 3), r.string(4)};
        });
    for (const auto& [key, s] : m_sections) {
        if (!m_services.contains(s.service))
            problem(
                QStringLiteral("section %1 belongs to the missing collection %2").arg(key).arg(s.service));
        if (s.parent > 0) {
            const auto parent = m_sections.find(s.parent);
            if (parent == m_sections.end())
                problem(QStringLiteral("subsection %1 has the missing parent %2").arg(key).arg(s.parent));
            else if (parent->second.service != s.service)
                problem(QStringLiteral("subsection %1 and its parent %2 belong to different collections")
                            .arg(key)
                            .arg(s.parent));
        }
    }
    m_out << "Collections: " << m_services.size() << '\n';
    for (auto it = m_services.cbegin(); it != m_services.cend(); ++it) {
        std::map<int, int> byLevel;
        int general = 0;
        for (const auto& [key, s] : m_sections) {
            if (s.service != it.key())
                continue;
            ++byLevel[level(key)];
            if (s.type == 1)
                ++general;
        }
        m_out << "  " << it.key() << ' ' << it.value() << "\n    sections by level:";
        for (const auto& [l, count] : byLevel)
            m_out << ' ' << l << '=' << count;
        m_out << "; general provisions (type 1): " << general << '\n';
        if (general == 0)
            m_out << "    (no general-provisions section: the collection gets no index lines)\n";
    }
}

int CatalogueCheck::level(int key) const {
    int depth = 1;
    std::set<int> seen{key};
    for (auto it = m_sections.find(key); it != m_sections.end() && it->second.parent > 0;) {
        const int parent = it->second.parent;
        if (!seen.insert(parent).second)
            break; // a cycle is reported as the level reached
        it = m_sections.find(parent);
        if (it == m_sections.end())
            break;
        ++depth;
    }
    return depth;
}

void CatalogueCheck::checkDetails() {
    std::map<int, std::set<int>> categories; // section -> category numbers
    eachRow(m_db, m_tr,
            QStringLiteral(R"(Select "ID_ServiceCat", "ID_ServiceList", "Number" From "ServiceCat")"),
            [&](const ResultSet& r) {
                if (!m_sections.count(intOr0(r, 1)))
                    problem(QStringLiteral("category %1 of the missing section %2")
                                .arg(r.integer(0))
                                .arg(intOr0(r, 1)));
                categories[intOr0(r, 1)].insert(intOr0(r, 2));
            });
    int params = 0;
    eachRow(m_db, m_tr,
            QStringLiteral(
                R"(Select "ID_ServiceParam", "ID_ServiceList", "ID_TypeParameter" From "ServiceParam")"),
            [&](const ResultSet& r) {
                ++params;
                if (!m_sections.count(intOr0(r, 1)))
                    problem(QStringLiteral("parameter %1 of the missing section %2")
                                .arg(r.integer(0))
                                .arg(intOr0(r, 1)));
                if (!m_kindFormat.count(intOr0(r, 2)))
                    problem(QStringLiteral("parameter %1 has the missing kind %2")
                                .arg(r.integer(0))
                                .arg(intOr0(r, 2)));
            });
    int rows = 0;
    std::map<int, std::set<int>> usedCategories;
    std::set<int> priced;
    eachRow(
        m_db, m_tr,
        QStringLiteral(R"(Select "ID_ServiceTbl", "ID_ServiceList", "ID_Category" From "ServiceTbl")"),
        [&](const ResultSet& r) {
            ++rows;
            const int section = intOr0(r, 1);
            const int category = intOr0(r, 2);
            priced.insert(section);
            if (!m_sections.count(section))
                problem(
                    QStringLiteral("price row %1 of the missing section %2").arg(r.integer(0)).arg(section));
            usedCategories[section].insert(category);
            if (category != 0 && !categories[section].count(category))
                problem(QStringLiteral("price row %1 names category %2, which section %3 does not have")
                            .arg(r.integer(0))
                            .arg(category)
                            .arg(section));
        });
    // Categories of a section without rows may serve its subsections' parameter
    // editor; only a priced section's unused category is a leftover.
    for (const auto& [section, numbers] : categories) {
        if (!priced.count(section))
            continue;
        for (int n : numbers) {
            if (!usedCategories[section].count(n))
                problem(
                    QStringLiteral("category %1 of section %2 is used by no price row").arg(n).arg(section));
        }
    }
    int pricedSubsections = 0;
    for (const auto& [key, s] : m_sections) {
        if (s.type == 0 && priced.count(key))
            ++pricedSubsections;
        else if (s.type == 0)
            m_out << "  (section " << key << " of type 0 has no price rows)\n";
    }
    m_out << "Priced sections (type 0 with price rows): " << pricedSubsections << "\nPrice rows: " << rows
          << "\nSection parameters: " << params << '\n';
}

void CatalogueCheck::checkNotes() {
    std::map<int, int> byEffect;
    std::map<int, int> byComparison;
    std::map<int, std::set<int>> numbers;           // section -> note numbers
    std::vector<std::tuple<int, int, int>> remarks; // note, section, ID_Number
    int count = 0;
    eachRow(m_db, m_tr,
            QStringLiteral(
                R"(Select "ID_ServiceNote", "ID_ServiceList", "Number", "ID_TypeCalc", "CountParameters",
                "ID_TypeParameter", "ID_TypeValue", "ID_TypeParameter2", "ID_TypeValue2",
                "ID_TypeParameter3", "ID_TypeValue3", "ID_TypeParameter4", "ID_TypeValue4", "ID_Number"
                From "ServiceNote")"),
            [&](const ResultSet& r) {
                ++count;
                const int key = r.integer(0);
                const int section = intOr0(r, 1);
                if (!m_sections.count(section))
                    problem(QStringLiteral("note %1 of the missing section %2").arg(key).arg(section));
                numbers[section].insert(intOr0(r, 2));
                ++byEffect[intOr0(r, 3)];
                const int used = std::clamp(intOr0(r, 4), 0, 3) + 1;
                for (int i = 0; i < used; ++i) {
                    const int kind = intOr0(r, 5 + 2 * i);
                    if (!m_kindFormat.count(kind))
                        problem(QStringLiteral("note %1 tests parameter %2 of the missing kind %3")
                                    .arg(key)
                                    .arg(i + 1)
                                    .arg(kind));
                    ++byComparison[intOr0(r, 6 + 2 * i)];
                }
                if (intOr0(r, 3) == 4)
                    remarks.emplace_back(key, section, intOr0(r, 13));
            });
    for (const auto& [key, section, target] : remarks) {
        if (!numbers[section].count(target))
            problem(QStringLiteral("remark note %1 modifies note number %2, which section %3 does not have")
                        .arg(key)
                        .arg(target)
                        .arg(section));
    }
    m_out << "Notes: " << count << " (by effect:";
    for (const auto& [effect, n] : byEffect)
        m_out << ' ' << effect << '=' << n;
    m_out << "; conditions by comparison:";
    for (const auto& [comparison, n] : byComparison)
        m_out << ' ' << comparison << '=' << n;
    m_out << ")\n";
}

void CatalogueCheck::checkIndexCoefficients() {
    int active = 0;
    int passive = 0;
    eachRow(m_db, m_tr,
            QStringLiteral(R"(Select "ID_ServiceKof", "ID_Service", "fPassive" From "ServiceKof")"),
            [&](const ResultSet& r) {
                if (!m_services.contains(intOr0(r, 1)))
                    problem(QStringLiteral("index coefficient %1 of the missing collection %2")
                                .arg(r.integer(0))
                                .arg(intOr0(r, 1)));
                (r.string(2) == QLatin1String("T") ? passive : active)++;
            });
    m_out << "Index coefficients: " << active << " active, " << passive << " passive\n";
}

void CatalogueCheck::checkTemplates(Connection& estimates, Transaction& transaction) {
    QSet<int> templates;
    eachRow(estimates, transaction, QStringLiteral(R"(Select "ID_ListService" From "ListService")"),
            [&](const ResultSet& r) { templates.insert(r.integer(0)); });
    int sections = 0;
    eachRow(
        estimates, transaction,
        QStringLiteral(
            R"(Select "ID_ListServiceLnk", "ID_ListService", "ID_Service", "ID_ServiceList" From "ListServiceLnk")"),
        [&](const ResultSet& r) {
            ++sections;
            const int key = r.integer(0);
            if (!templates.contains(intOr0(r, 1)))
                problem(QStringLiteral("template section %1 of the missing template %2")
                            .arg(key)
                            .arg(intOr0(r, 1)));
            const auto row = m_sections.find(intOr0(r, 3));
            if (row == m_sections.end())
                problem(QStringLiteral("template section %1 points at the missing catalogue row %2")
                            .arg(key)
                            .arg(intOr0(r, 3)));
            else if (row->second.service != intOr0(r, 2))
                problem(QStringLiteral("template section %1 names collection %2, its row %3 belongs to %4")
                            .arg(key)
                            .arg(intOr0(r, 2))
                            .arg(intOr0(r, 3))
                            .arg(row->second.service));
        });
    m_out << "Templates: " << templates.size() << " with " << sections << " sections\n";
}

int run(velta::cli::CommandContext& c) {
    bool ok = true;
    const QString folder =
        velta::cli::takeOption(c.args, QStringLiteral("--workdir"), QDir::currentPath(), &ok);
    if (!ok || !c.args.isEmpty()) {
        c.err << "usage: velta2-cli check-catalogue [--workdir DIR]\n";
        return 2;
    }
    const QDir dir(folder);
    const QString catalogue = dir.filePath(QStringLiteral("service.fdb"));
    if (!QFileInfo::exists(catalogue)) {
        c.err << "Файл «" << QDir::toNativeSeparators(catalogue) << "» не знайдено.\n";
        return 1;
    }
    try {
        Connection db = Connection::attach(catalogue);
        Transaction transaction(db);
        transaction.start();
        CatalogueCheck check(db, transaction, c.out);
        check.run();
        const QString estimates = dir.filePath(QStringLiteral("velta.fdb"));
        if (QFileInfo::exists(estimates)) {
            Connection velta = Connection::attach(estimates);
            Transaction vt(velta);
            vt.start();
            check.checkTemplates(velta, vt);
            vt.rollback();
        }
        transaction.rollback();
        if (!check.problems().isEmpty()) {
            c.out << "\nDangling links:\n";
            for (const QString& p : check.problems())
                c.out << "  " << p << '\n';
            c.out << check.problems().size() << " dangling link(s).\n";
            return 1;
        }
        c.out << "No dangling links.\n";
        return 0;
    } catch (const velta::data::fb::Error& e) {
        c.err << e.message() << '\n';
        return 1;
    }
}

velta::cli::CommandRegistration reg{
    {QStringLiteral("check-catalogue"), QStringLiteral("[--workdir DIR]"),
     QStringLiteral("report what the catalogue holds and every dangling link"), run}};

} // namespace
