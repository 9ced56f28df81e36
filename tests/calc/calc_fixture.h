#pragma once
// A small catalogue and estimate to build cases on: one collection (key 1)
// with the parameter kinds the calculation acts on, and helpers that add
// catalogue rows and estimate rows in a line each.

#include "calc/calculation.h"

#include <gtest/gtest.h>

#include <ostream>

// Readable failures for texts.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace velta::calc::test {

// Parameter kinds of the fixture catalogue.
inline constexpr int kArea = 1;     // "Площа, га", format 9, unit "га"
inline constexpr int kCategory = 2; // format 4
inline constexpr int kMoney = 3;    // format 3
inline constexpr int kPlots = 4;    // format 14, unit "шт."
inline constexpr int kSumAll = 5;   // format 19
inline constexpr int kSumField = 6; // format 17
inline constexpr int kLength = 7;   // "Довжина ходу, км", format 12, unit "км"
inline constexpr int kCount = 8;    // format 1, no unit
inline constexpr int kAmount = 9;   // format 0, unit "грн"
inline constexpr int kAreaSqM = 10; // format 8
inline constexpr int kAreaTHa = 11; // format 10
inline constexpr int kAreaMHa = 13; // format 13
inline constexpr int kPerimM = 14;  // format 11
inline constexpr int kPoints = 15;  // format 15

inline ServiceNote makeNote(int id, int section, int number, int kind, int typeCalc, double kof) {
    ServiceNote n;
    n.idServiceNote = id;
    n.idServiceList = section;
    n.number = number;
    n.idTypeParameter[0] = kind;
    n.idTypeCalc = typeCalc;
    n.kof = kof;
    n.idTypeKof = 0;
    n.nameParameter = QStringLiteral("Параметр %1").arg(kind);
    return n;
}

// A note that holds when its first parameter equals value.
inline ServiceNote makeEqualNote(int id, int section, int number, int kind, int typeCalc, double kof,
                                 double value) {
    ServiceNote n = makeNote(id, section, number, kind, typeCalc, kof);
    n.idTypeValue[0] = 0;
    n.valueFrom[0] = value;
    return n;
}

class CalcFixture : public ::testing::Test {
protected:
    InMemoryCatalogue cat;
    Estimate est;
    CalcSettings settings;
    Evaluator eval = defaultEvaluator();

    CalcContext ctx() const { return CalcContext{cat, settings, eval}; }

    void SetUp() override {
        cat.addService({1, QStringLiteral("Збірник цін на землевпорядні роботи")});
        cat.addUnit({1, QStringLiteral("га")});
        cat.addUnit({2, QStringLiteral("шт.")});
        cat.addUnit({3, QStringLiteral("км")});
        cat.addUnit({4, QStringLiteral("грн")});
        kind(kArea, QStringLiteral("Площа, га"), 9, 1);
        kind(kCategory, QStringLiteral("Категорія складності"), 4);
        kind(kMoney, QStringLiteral("Вартість матеріалів"), 3);
        kind(kPlots, QStringLiteral("Кількість ділянок"), 14, 2);
        kind(kSumAll, QStringLiteral("Сума кошторису"), 19);
        kind(kSumField, QStringLiteral("Сума польових"), 17);
        kind(kLength, QStringLiteral("Довжина ходу, км"), 12, 3);
        kind(kCount, QStringLiteral("Кількість суміжників"), 1);
        kind(kAmount, QStringLiteral("Додаткові витрати"), 0, 4);
        kind(kAreaSqM, QStringLiteral("Площа, кв.м"), 8);
        kind(kAreaTHa, QStringLiteral("Площа, тис.га"), 10);
        kind(kAreaMHa, QStringLiteral("Площа, млн.га"), 13);
        kind(kPerimM, QStringLiteral("Периметр, м"), 11);
        kind(kPoints, QStringLiteral("Кількість точок"), 15);
        est.cost.idCost = 1;
        est.cost.costNumber = QStringLiteral("12/2024");
        CostSrv srv;
        srv.idCostSrv = 1;
        srv.idService = 1;
        srv.number = 1;
        est.collections.push_back(srv);
    }

    void kind(int id, const QString& name, int format, std::optional<int> unit = std::nullopt) {
        cat.addParameterKind({id, name, format, unit});
    }

    // A catalogue section of collection 1.
    void catSection(int id, int type = 0, std::optional<int> parent = std::nullopt, int number = 1) {
        ServiceList s;
        s.idServiceList = id;
        s.idService = 1;
        s.idServiceLnk = parent;
        s.idServiceType = type;
        s.number = number;
        s.table = QStringLiteral("т. %1").arg(id);
        s.name = QStringLiteral("Розділ %1").arg(id);
        cat.addSection(s);
    }

    void catParam(int section, int id, int kind, int column, double def = 0, int number = 1,
                  std::optional<int> divisor = std::nullopt, std::optional<int> unit = std::nullopt) {
        ServiceParam p;
        p.idServiceParam = id;
        p.idServiceList = section;
        p.idTypeParameter = kind;
        p.idTypeValue = column;
        p.number = number;
        p.name = QStringLiteral("Параметр %1").arg(kind);
        p.defaultValue = def;
        p.divisor = divisor;
        p.idUnit = unit;
        cat.addParameter(p);
    }

    void catRow(int section, int id, std::optional<double> a, std::optional<double> b,
                std::array<std::optional<double>, 6> params = {}, std::optional<int> category = std::nullopt,
                std::optional<int> unit = std::nullopt, double daysA = 0, double daysB = 0) {
        ServiceTbl r;
        r.idServiceTbl = id;
        r.idServiceList = section;
        r.number = id;
        r.idCategory = category;
        r.parameter = params;
        r.a = a;
        r.b = b;
        r.daysA = daysA;
        r.daysB = daysB;
        r.idUnit = unit;
        cat.addPriceRow(r);
    }

    // An estimate section of collection 1; returns its key.
    int lnk(int id, int serviceList, int number = 1, std::optional<int> type = 0) {
        CostLnk s;
        s.idCostLnk = id;
        s.idCost = 1;
        s.idService = 1;
        s.number = number;
        s.idServiceList = serviceList;
        s.idServiceType = type;
        s.name = QStringLiteral("Розділ %1").arg(serviceList);
        s.state.seq = id;
        est.sections.push_back(s);
        return id;
    }

    CostLnk& section(int id) {
        for (auto& s : est.sections)
            if (s.idCostLnk == id)
                return s;
        throw std::logic_error("no such section");
    }

    void param(int lnkId, int id, int kind, double value, int number = 1) {
        CostParam p;
        p.idCostParam = id;
        p.idTypeParameter = kind;
        p.number = number;
        p.name = QStringLiteral("Параметр %1").arg(kind);
        p.pValue = value;
        p.state.seq = id;
        section(lnkId).params.push_back(p);
    }

    const CostParam* findParam(int lnkId, int kind, std::optional<int> typeKof = std::nullopt) {
        for (const auto& p : section(lnkId).params)
            if (p.idTypeParameter == kind && p.idTypeKof == typeKof)
                return &p;
        return nullptr;
    }

    // The lines of a section as the totals pass reads them.
    std::vector<CostValue> lines(int lnkId) {
        auto v = section(lnkId).values;
        std::stable_sort(v.begin(), v.end(), [](const CostValue& x, const CostValue& y) {
            return x.idTypeValue < y.idTypeValue;
        });
        return v;
    }
};

} // namespace velta::calc::test
