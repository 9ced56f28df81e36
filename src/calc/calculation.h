#pragma once
// The steps of the estimate calculation, as plain functions over the estimate
// model. Each works on the whole estimate it is given, in the order of its
// collections and sections (Number, then creation), and leaves change marks
// for the store that writes the rows back.
//
//   CreateSectionParameters  adds the parameter values a section needs
//   ApplyHeaderQuantities    copies area, perimeter and counts of the header
//   BuildValueLines          rebuilds price, note and index coefficient lines
//   CalculateTotals          section, collection and estimate sums and taxes
//   Calculate                the whole command: general provisions, set-up,
//                            value lines and totals, twice when needed
//
// A formula the evaluator rejects throws CalcError naming the formula and the
// section; the estimate struct is then half-calculated and must be dropped.

#include "calc/calc_context.h"
#include "calc/model.h"

#include <QChar>
#include <QString>

#include <array>
#include <vector>

namespace velta::calc {

// ------------------------------------------------------------ parameter set-up

void CreateSectionParameters(Estimate& estimate, const CatalogueView& catalogue);
void ApplyHeaderQuantities(Estimate& estimate, const CatalogueView& catalogue);

// ------------------------------------------------------------ value lines

// The price table row chosen for a section, with the quantities multiplying
// A and B and the parameter kind that supplied them (0 for none).
struct PriceLookup {
    const ServiceTbl* row = nullptr;
    double qa = 1;
    double qb = 1;
    int quantityKind = 0;
};
PriceLookup LookupPriceRow(const CostLnk& section, const std::vector<ServiceParam>& parameters,
                           const std::vector<ServiceTbl>& rows);

// The outcome of a note's condition: the note's key when it holds, else 0,
// and the values read for its parameters (V1 to V4).
struct NoteCondition {
    int key = 0;
    std::array<double, 4> v{};
};
NoteCondition TestNoteCondition(const ServiceNote& note, const CostLnk& section);

// The formula with every free occurrence of letter (any case) replaced by
// value written with FormatFloatShort("0.000000").
QString SubstituteVariable(const QString& formula, QChar letter, double value);

// Writes or overwrites the note line of level 1 (own note) or 2 (ancestor's
// note) for the parameter value visited.
void WriteNoteLine(CostLnk& section, const ServiceNote& note, int level, int count, const CostParam& visited,
                   const NoteCondition& condition, const CatalogueView& catalogue);

// The note step of one section after its price line. Returns whether the
// section has a parameter value that takes a collection sum.
bool ApplyNotes(CostLnk& section, const ServiceList& catalogueSection, const CatalogueView& catalogue);

// Index coefficient lines of one collection, after its last section.
void WriteIndexLines(Estimate& estimate, const CostSrv& collection, const CalcContext& context);

void BuildValueLines(Estimate& estimate, const CalcContext& context);

// ------------------------------------------------------------ totals

// Rates that apply to an estimate under its flags and the settings.
struct TaxRates {
    double vat = 0;          // Rv
    double singleTax = 0;    // Re
    double expertise = 0;    // Rx
    double expertiseMin = 0; // Mx
};
TaxRates EstimateTaxRates(const Cost& cost, const CalcSettings& settings);

void CalculateTotals(Estimate& estimate, const CalcContext& context);

// ------------------------------------------------------------ the command

// Adds the general-provisions section (Number 99) to every collection that
// has no percentage-of-estimate section. Returns whether one was added.
bool AppendGeneralProvisions(Estimate& estimate, const CatalogueView& catalogue);

// The Calculate command on a loaded estimate. Returns the number of value-line
// and totals passes run (1, or 2 when the estimate has sum parameters).
int Calculate(Estimate& estimate, const CalcContext& context);

} // namespace velta::calc
