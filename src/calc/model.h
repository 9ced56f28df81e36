#pragma once
// The plain structs the calculation works on: one estimate of the estimates
// database (header, collections, sections with their parameter values and
// value lines) and the rows of the price catalogue it prices from. Names follow
// the tables and columns; a NULL column is an empty std::optional (or an empty
// QString for texts and flags).
//
// The calculation loads one estimate into these structs, runs its steps on
// them and hands the structs back to an EstimateStore, which writes what the
// change marks say. Nothing here touches a database.

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace velta::calc {

// ---------------------------------------------------------------- catalogue

struct Service {
    int idService = 0;
    QString name;
};

struct ServiceList {
    int idServiceList = 0;
    int idService = 0;
    std::optional<int> idServiceLnk; // parent section; null or 0 for a top-level one
    std::optional<int> idServiceType;
    int number = 0;
    QString table;
    QString name;
    std::optional<double> perField, perCameral, perField2, perCameral2;
};

struct ServiceParam {
    int idServiceParam = 0;
    int idServiceList = 0;
    int idTypeParameter = 0;
    std::optional<int> idTypeValue; // the price-table column it feeds
    int number = 0;
    QString name;
    std::optional<double> defaultValue;
    std::optional<int> divisor;
    std::optional<int> idUnit;
};

struct ServiceCat {
    int idServiceCat = 0;
    int idServiceList = 0;
    int number = 0;
    QString name;
};

struct ServiceTbl {
    int idServiceTbl = 0;
    int idServiceList = 0;
    int number = 0;
    std::optional<int> idCategory;
    std::array<std::optional<double>, 6> parameter; // Parameter1 .. Parameter6
    std::optional<double> a, b, daysA, daysB;
    std::optional<int> idUnit;
};

// The four condition parameters of a note live in arrays: index 0 is the
// first parameter (letter n), 1 to 3 are the numbered twins (m, p, o).
struct ServiceNote {
    int idServiceNote = 0;
    int idServiceList = 0;
    int number = 0;
    std::array<std::optional<int>, 4> idTypeParameter;
    std::array<std::optional<int>, 4> idTypeValue; // comparison codes
    std::array<std::optional<double>, 4> valueFrom;
    std::array<std::optional<double>, 4> valueTo;
    std::array<std::optional<double>, 4> defaultValue;
    std::array<std::optional<int>, 4> divisor;
    std::array<std::optional<int>, 4> op; // op[1..3] = Operator2..Operator4; op[0] unused
    std::optional<int> countParameters;
    std::optional<int> idTypeCalc;
    std::optional<double> kof;
    QString formula;
    QString nameParameter;
    std::optional<int> idTypeKof;
    QString nameTable;
    std::optional<int> idNumber;
};

struct ServiceKof {
    int idServiceKof = 0;
    int idService = 0;
    int dateJulian = 0; // the Date column as a Julian day; only its order matters here
    QString name;
    QString description;
    std::optional<double> kof;
    QString formula;
    QString fPassive;
};

struct TypeParameter {
    int idTypeParameter = 0;
    QString name;
    std::optional<int> idTypeValue; // the kind's format
    std::optional<int> idTypeUnit;
};

struct TypeUnit {
    int idTypeUnit = 0;
    QString name;
};

// Formats of a parameter kind that the calculation acts on.
namespace format {
inline constexpr int Money = 3;
inline constexpr int AreaSqM = 8;
inline constexpr int AreaHa = 9;
inline constexpr int AreaThousandHa = 10;
inline constexpr int PerimeterM = 11;
inline constexpr int PerimeterKm = 12;
inline constexpr int AreaMillionHa = 13;
inline constexpr int CountObjects = 14;
inline constexpr int CountPoints = 15;
inline constexpr int SumField = 17;
inline constexpr int SumCameral = 18;
inline constexpr int SumEstimate = 19;
} // namespace format

// Section kinds.
namespace section_type {
inline constexpr int Priced = 0;
inline constexpr int PercentOfEstimate = 1;
inline constexpr int PercentOfSection = 2;
} // namespace section_type

// ---------------------------------------------------------------- estimate

// Where a row of the estimate stands against the database. New rows carry key
// 0 until the store has inserted them. seq orders rows of equal Number in
// creation order: a loaded row has its key (keys come from generators, so they
// grow with time), a new one a number above every key.
struct RowState {
    bool isNew = false;
    bool dirty = false;
    std::int64_t seq = 0;
};

struct Cost {
    int idCost = 0;
    QString costNumber;
    std::optional<double> area, perimetr;
    std::optional<int> countObject, countPoint;
    QString fPDV, fExpert, fIndex, fSumParam, fEDP;
    std::optional<double> pdv, sumFull, sumReal;
    QString agreement; // the kind of works; an applied template writes its name here
    bool dirty = false;
};

struct CostSrv {
    int idCostSrv = 0;
    int idService = 0;
    int number = 0;
    QString name;
    std::optional<double> summ;
    RowState state;
};

struct CostParam {
    int idCostParam = 0;
    int idTypeParameter = 0;
    int number = 0;
    QString name;
    std::optional<double> pValue;
    std::optional<int> idTypeKof;
    std::optional<int> idServiceList;
    RowState state;
};

struct CostValue {
    int idCostValue = 0;
    int idTypeValue = 0;
    int idTypeCalc = 0;
    int idServiceTbl = 0;
    int idTypeParameter = 0;
    QString name;
    double a = 0, b = 0, daysA = 0, daysB = 0;
    QString formula;
    double kof = 0;
    double paramA = 0, paramB = 0;
    QString description;
    QString calculation;
    std::optional<double> sumValue;
    std::optional<int> idServiceKof;
    std::optional<int> idTypeKof;
    // Not stored: a remark has folded the coefficient into the formula, so the
    // user's coefficient is already in it and must not become Kof as well.
    bool kofInFormula = false;
};

struct CostLnk {
    int idCostLnk = 0;
    int idCost = 0;
    int idService = 0;
    int number = 0;
    int idServiceList = 0;
    std::optional<int> idServiceType;
    QString name;
    QString note; // written when the section is added; the calculation leaves it alone
    std::optional<double> sum, sumField, sumCameral;
    std::optional<double> kof, kofA, kofB;
    QString calculation;
    std::optional<double> kofDaysA, daysA, kofDaysB, daysB;
    // Parameter values in Number order, equal numbers in creation order.
    std::vector<CostParam> params;
    // Value lines as stored (creation order); readers sort them by ID_TypeValue.
    std::vector<CostValue> values;
    // The value lines were rebuilt: the store deletes the stored lines of the
    // section and inserts these.
    bool valuesRebuilt = false;
    RowState state;

    int type() const { return idServiceType.value_or(0); }
};

struct Estimate {
    Cost cost;
    std::vector<CostSrv> collections;
    std::vector<CostLnk> sections;

    // Sequence for rows created in memory; above every loaded key.
    std::int64_t nextSeq = std::int64_t(1) << 40;

    // Sets seq of loaded rows from their keys and puts collections, sections
    // and parameter values into (Number, creation) order. Stores and tests call
    // it after filling the struct.
    void normalise();

    // Collections in Number order.
    std::vector<CostSrv*> orderedCollections();
    // Sections of one collection (by ID_Service) in Number order.
    std::vector<CostLnk*> sectionsOf(int idService);

    // Adds a parameter value after the last one whose Number is not greater.
    CostParam& addParam(CostLnk& section, CostParam param);
    // Adds a section after the last one whose Number is not greater.
    CostLnk& addSection(CostLnk section);
};

} // namespace velta::calc
