// The value-line pass: every section's lines are thrown away and built again
// from the catalogue: one price line from the price table, one line per
// applicable note, and after each collection its index coefficient lines.
// The lines carry prices, quantities and coefficients only; the money comes
// from the totals pass.

#include "calc/calculation.h"

#include "core/number_format.h"
#include "core/number_text.h"
#include "core/rounding.h"
#include "core/text_functions.h"

#include <cmath>

namespace velta::calc {

namespace {

double divisorOf(const std::optional<int>& d) {
    const int v = d.value_or(0);
    return v == 0 ? 1.0 : double(v);
}

// The first parameter value of a kind in Number order: the one the price
// lookup and the notes' letter n read.
const CostParam* firstOfKind(const CostLnk& section, int kind) {
    for (const auto& p : section.params)
        if (p.idTypeParameter == kind)
            return &p;
    return nullptr;
}

// The earliest stored value of a kind: the base value of a condition.
const CostParam* earliestOfKind(const CostLnk& section, int kind) {
    const CostParam* best = nullptr;
    for (const auto& p : section.params)
        if (p.idTypeParameter == kind && (!best || p.state.seq < best->state.seq))
            best = &p;
    return best;
}

struct Search {
    double c = 0;
    std::array<double, 3> from{}, to{};
    std::array<bool, 3> mapped{};
    bool tested(int i) const { return from[i] != 0 || to[i] != 0 || mapped[i]; }
};

bool rangePasses(const std::optional<double>& l, const std::optional<double>& h, double f, double t) {
    if (l && h)
        return *l <= f && *h >= t;
    return (!h && l.value_or(0) == f) || (!l && h.value_or(0) == t);
}

bool rangeBelow(const std::optional<double>& l, const std::optional<double>& h, double f, double t) {
    return l.value_or(0) > f || (!l && h.value_or(0) > t);
}

bool rowPasses(const ServiceTbl& row, const Search& s) {
    if (double(row.idCategory.value_or(0)) != s.c)
        return false;
    for (int i = 0; i < 3; ++i)
        if (s.tested(i) && !rangePasses(row.parameter[2 * i], row.parameter[2 * i + 1], s.from[i], s.to[i]))
            return false;
    return true;
}

bool rowBelow(const ServiceTbl& row, const Search& s) {
    for (int i = 0; i < 3; ++i)
        if (s.tested(i) && !rangeBelow(row.parameter[2 * i], row.parameter[2 * i + 1], s.from[i], s.to[i]))
            return false;
    return true;
}

void setQuantity(PriceLookup& out, int code, double v, int kind) {
    if (code == 4)
        out.qa = v;
    else if (code == 5)
        out.qb = v;
    else if (code == 6)
        out.qa = out.qb = v;
    else
        return;
    out.quantityKind = kind;
}

// A table priced per unit of measure takes the quantity parameter of that unit.
void unitPass(PriceLookup& out, const CostLnk& section, const std::vector<ServiceParam>& parameters) {
    const int unit = out.row->idUnit.value_or(0);
    if (unit < 1)
        return;
    for (const ServiceParam& sp : parameters) {
        if (sp.idUnit.value_or(0) != unit)
            continue;
        const CostParam* p = firstOfKind(section, sp.idTypeParameter);
        if (!p)
            continue;
        setQuantity(out, sp.idTypeValue.value_or(-1), p->pValue.value_or(0) / divisorOf(sp.divisor),
                    sp.idTypeParameter);
    }
}

bool compare(int code, double x, double f, double t) {
    switch (code) {
    case 0:
        return x == f;
    case 1:
        return x != f;
    case 2:
        return x > f;
    case 3:
        return x < f;
    case 4:
        return f <= x && x < t;
    case 5:
        return f <= x && x <= t;
    case 6:
        return f < x && x <= t;
    case 7:
        return f < x && x < t;
    case 8:
        return x >= f;
    default:
        return false;
    }
}

// The coefficient value the user edits for a variable note: of the note's
// kind, marked variable, and of the same origin (own or that ancestor).
const CostParam* userCoefficient(const CostLnk& section, const ServiceNote& note, int level) {
    for (const auto& p : section.params) {
        if (p.idTypeParameter != note.idTypeParameter[0].value_or(0) || p.idTypeKof != 1)
            continue;
        const int origin = p.idServiceList.value_or(0);
        if (level == 1 ? origin <= 0 : origin == note.idServiceList)
            return &p;
    }
    return nullptr;
}

int extraCount(const ServiceNote& note) {
    return std::clamp(note.countParameters.value_or(0), 0, 3);
}

// Catalogue formulas are typed with the decimal comma as often as with the full
// stop, while the evaluator reads only the full stop; but a comma also separates
// the arguments of Min(a,b), Max(a,b) and Power(x,y). A comma is a decimal one
// when it stands between digits and the digits before it are a whole number of
// their own: not already holding decimals ("1.5,2"), not the tail of a word
// ("x1,2"). The formula is read before its letters are filled in, so the
// numbers put in place of the letters never look like one ("Min(n,5)" gives
// "Min(2.5,5)"). Two bare integers as arguments ("Max(1,2)") read as a
// decimal; write them with a blank after the comma.
QString decimalCommasToStops(QString text) {
    for (qsizetype i = 1; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char(',') || !text[i - 1].isDigit() || !text[i + 1].isDigit())
            continue;
        qsizetype j = i - 1;
        while (j >= 0 && text[j].isDigit())
            --j;
        if (j >= 0 && (text[j] == QLatin1Char('.') || text[j].isLetter() || text[j] == QLatin1Char('_')))
            continue;
        text[i] = QLatin1Char('.');
    }
    return text;
}

// A number as it goes into a formula: the display text of the calculation,
// with the full stop the evaluator reads.
QString formulaNumber(const QString& displayText) {
    const QChar separator = core::NumberFormat::current().decimalSeparator;
    if (separator == QLatin1Char('.'))
        return displayText;
    return QString(displayText).replace(separator, QLatin1Char('.'));
}

bool isWordChar(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

// Replaces the letter where it stands as a name of its own, so the letters of
// function names (the n of Round and Int, the m of Min, the p of Exp, the o of
// Power) and of longer names stay as they are.
QString substituteWord(const QString& formula, QChar letter, const QString& text) {
    const QChar lower = letter.toLower();
    QString out;
    out.reserve(formula.size() + text.size());
    for (qsizetype i = 0; i < formula.size(); ++i) {
        const QChar c = formula[i];
        const bool alone = (i == 0 || !isWordChar(formula[i - 1])) &&
                           (i + 1 == formula.size() || !isWordChar(formula[i + 1]));
        if (alone && c.toLower() == lower)
            out += text;
        else
            out += c;
    }
    return out;
}

CostValue* findLine(CostLnk& section, int kind, int typeCalc, int level) {
    for (auto& line : section.values)
        if (line.idTypeParameter == kind && line.idTypeCalc == typeCalc && line.idTypeValue == level &&
            !line.idServiceKof.value_or(0))
            return &line;
    return nullptr;
}

// The note step for one parameter value and its list of notes on that kind.
void applyNoteList(CostLnk& section, const CostParam& value, const std::vector<const ServiceNote*>& notes,
                   int level, const CatalogueView& catalogue) {
    if (value.idTypeKof == 1) {
        // A coefficient the user overrides: its note line exists already,
        // written when the ordinary value of the kind was visited.
        if (notes.empty())
            return;
        if (CostValue* line =
                findLine(section, value.idTypeParameter, notes.front()->idTypeCalc.value_or(0), level)) {
            line->idTypeKof = 1;
            if (!line->kofInFormula)
                line->kof = value.pValue.value_or(0);
        }
        return;
    }
    if (notes.size() == 1 && !notes.front()->valueFrom[0]) {
        if (notes.front()->idServiceNote > 0)
            WriteNoteLine(section, *notes.front(), level, 0, value, NoteCondition{}, catalogue);
        return;
    }
    for (const ServiceNote* note : notes) {
        if (note->idTypeCalc.value_or(0) == 4)
            continue;
        const NoteCondition condition = TestNoteCondition(*note, section);
        if (condition.key != 0)
            WriteNoteLine(section, *note, level, extraCount(*note), value, condition, catalogue);
    }
}

std::vector<const ServiceNote*> notesOnKind(const std::vector<ServiceNote>& notes, int kind) {
    std::vector<const ServiceNote*> out;
    for (const auto& n : notes)
        if (n.idTypeParameter[0].value_or(0) == kind)
            out.push_back(&n);
    return out;
}

} // namespace

PriceLookup LookupPriceRow(const CostLnk& section, const std::vector<ServiceParam>& parameters,
                           const std::vector<ServiceTbl>& rows) {
    PriceLookup out;
    Search s;
    for (const ServiceParam& sp : parameters) {
        const CostParam* p = firstOfKind(section, sp.idTypeParameter);
        if (!p)
            continue;
        const double v = p->pValue.value_or(0) / divisorOf(sp.divisor);
        const int code = sp.idTypeValue.value_or(-1);
        switch (code) {
        case 0:
            s.c = v;
            break;
        case 9:
            s.from[0] = v, s.mapped[0] = true;
            break;
        case 1:
            s.to[0] = v, s.mapped[0] = true;
            break;
        case 2:
            s.from[1] = v, s.mapped[1] = true;
            break;
        case 3:
            s.to[1] = v, s.mapped[1] = true;
            break;
        case 7:
            s.from[2] = v, s.mapped[2] = true;
            break;
        case 8:
            s.to[2] = v, s.mapped[2] = true;
            break;
        default:
            setQuantity(out, code, v, sp.idTypeParameter);
        }
    }

    if (rows.empty())
        return out;
    if (rows.size() == 1) {
        out.row = &rows.front();
        return out;
    }
    for (const ServiceTbl& row : rows) {
        if (rowPasses(row, s)) {
            out.row = &row;
            unitPass(out, section, parameters);
            return out;
        }
    }
    if (s.c == 0) {
        out.row = &rows.front();
        unitPass(out, section, parameters);
        return out;
    }
    // A quantity below the category's first range is priced by that range.
    for (const ServiceTbl& row : rows) {
        if (double(row.idCategory.value_or(0)) != s.c)
            continue;
        if (rowBelow(row, s)) {
            out.row = &row;
            unitPass(out, section, parameters);
        }
        break;
    }
    return out;
}

NoteCondition TestNoteCondition(const ServiceNote& note, const CostLnk& section) {
    NoteCondition out;
    const int k = extraCount(note);
    std::array<bool, 4> holds{};
    for (int i = 0; i <= k; ++i) {
        const CostParam* p = earliestOfKind(section, note.idTypeParameter[i].value_or(0));
        if (!p)
            continue;
        out.v[i] = p->pValue.value_or(0);
        holds[i] = compare(note.idTypeValue[i].value_or(0), out.v[i], note.valueFrom[i].value_or(0),
                           note.valueTo[i].value_or(0));
    }
    bool r = holds[0];
    if (k >= 1) {
        const int op = note.op[1].value_or(0);
        r = op == 0 ? (holds[0] && holds[1]) : op == 1 ? (holds[0] || holds[1]) : false;
    }
    for (int i = 2; i <= k; ++i) {
        const int op = note.op[i].value_or(0);
        if (op == 0)
            r = r && holds[i];
        else if (op == 1)
            r = r || holds[i];
    }
    out.key = r ? note.idServiceNote : 0;
    return out;
}

QString SubstituteVariable(const QString& formula, QChar letter, double value) {
    return substituteWord(formula, letter, core::FormatFloatShort(QStringLiteral("0.000000"), value));
}

void WriteNoteLine(CostLnk& section, const ServiceNote& note, int level, int count, const CostParam& visited,
                   const NoteCondition& condition, const CatalogueView& catalogue) {
    const int kind = note.idTypeParameter[0].value_or(0);
    const int typeCalc = note.idTypeCalc.value_or(0);
    CostValue* line = findLine(section, kind, typeCalc, level);
    if (!line)
        line = &section.values.emplace_back();
    line->idTypeValue = level;
    line->idTypeCalc = typeCalc;
    line->idServiceTbl = 0;
    line->idTypeParameter = kind;
    line->name =
        note.nameTable.isEmpty() ? QStringLiteral("п. № ") + QString::number(note.number) : note.nameTable;
    line->a = line->b = line->daysA = line->daysB = line->paramA = line->paramB = 0;

    QString text = decimalCommasToStops(note.formula);
    double k = note.kof.value_or(0);
    line->kofInFormula = false;
    const auto number = [](double v) {
        return formulaNumber(core::FormatFloatShort(QStringLiteral("0.000000"), v));
    };
    if (text.toLower().contains(QLatin1Char('n')))
        text = substituteWord(text, QLatin1Char('n'),
                              number(visited.pValue.value_or(0) / divisorOf(note.divisor[0])));
    static const QChar letters[] = {QLatin1Char('n'), QLatin1Char('m'), QLatin1Char('p'), QLatin1Char('o')};
    for (int i = 1; i <= 3 && i <= count; ++i)
        if (text.contains(letters[i]))
            text = substituteWord(text, letters[i], number(condition.v[i] / divisorOf(note.divisor[i])));

    // Remarks on this note multiply its coefficient; a constant coefficient
    // becomes the formula 1 + (k - 1) * remark.
    for (const ServiceNote& remark : catalogue.notes(note.idServiceList)) {
        if (remark.idTypeCalc.value_or(0) != 4 || remark.idNumber.value_or(0) != note.number ||
            remark.kof.value_or(0) <= 0)
            continue;
        if (TestNoteCondition(remark, section).key == 0)
            continue;
        const QString remarkText = core::GeneralText(*remark.kof, QLatin1Char('.'));
        if (!text.isEmpty()) {
            text += QLatin1Char('*') + remarkText;
        } else {
            // The user's coefficient of a variable note is the one the remark
            // scales; the override step will not put it in Kof a second time.
            if (note.idTypeKof.value_or(0) == 1)
                if (const CostParam* own = userCoefficient(section, note, level))
                    k = own->pValue.value_or(0);
            // The excess rounded on its magnitude: a reduction of 0.8 must give
            // -0.2, not the -0.199 that truncating -0.19999999999999996 gives.
            const double excess = k - 1;
            const double rounded = std::copysign(core::RoundHalfUp(std::fabs(excess), -3), excess);
            text = QStringLiteral("1+") + core::GeneralText(rounded, QLatin1Char('.')) + QLatin1Char('*') +
                   remarkText;
            line->kofInFormula = true;
        }
        k = 0;
    }
    line->formula = text;
    line->kof = k;
}

bool ApplyNotes(CostLnk& section, const ServiceList& catalogueSection, const CatalogueView& catalogue) {
    bool sumParam = false;
    const auto& own = catalogue.notes(catalogueSection.idServiceList);
    const auto& all = catalogue.sectionsOfService(section.idService);
    // Indexes, not references: writing lines never changes the parameter list,
    // but keep the loop safe against it.
    for (std::size_t i = 0; i < section.params.size(); ++i) {
        const CostParam value = section.params[i];
        if (const TypeParameter* kind = catalogue.parameterKind(value.idTypeParameter)) {
            const int f = kind->idTypeValue.value_or(0);
            if (f == format::SumField || f == format::SumCameral || f == format::SumEstimate)
                sumParam = true;
        }
        const int ancestorId = value.idServiceList.value_or(0);
        if (ancestorId <= 0) {
            applyNoteList(section, value, notesOnKind(own, value.idTypeParameter), 1, catalogue);
            continue;
        }
        const ServiceList* ancestor = nullptr;
        for (const ServiceList* s : all)
            if (s->idServiceList == ancestorId)
                ancestor = s;
        if (!ancestor)
            continue;
        applyNoteList(section, value,
                      notesOnKind(catalogue.notes(ancestor->idServiceList), value.idTypeParameter), 2,
                      catalogue);
    }
    return sumParam;
}

void WriteIndexLines(Estimate& estimate, const CostSrv& collection, const CalcContext& context) {
    const QString& flag = estimate.cost.fIndex;
    const bool applies = (flag.isEmpty() && context.settings.index) || flag == QLatin1String("T");
    if (!applies || !context.catalogue.service(collection.idService))
        return;
    CostLnk* target = nullptr;
    for (CostLnk* s : estimate.sectionsOf(collection.idService))
        if (s->type() == section_type::PercentOfEstimate) {
            target = s;
            break;
        }
    if (!target)
        return;
    target->valuesRebuilt = true;
    for (const ServiceKof& coefficient : context.catalogue.indexCoefficients(collection.idService)) {
        if (coefficient.fPassive == QLatin1String("T"))
            continue;
        CostValue* line = nullptr;
        for (auto& l : target->values)
            if (l.idServiceKof == coefficient.idServiceKof)
                line = &l;
        if (!line)
            line = &target->values.emplace_back();
        line->idTypeValue = 1;
        line->idTypeCalc = 0;
        line->idServiceTbl = 0;
        line->idTypeParameter = 0;
        line->a = line->b = line->daysA = line->daysB = line->paramA = line->paramB = 0;
        line->idServiceKof = coefficient.idServiceKof;
        line->name = coefficient.description;
        line->description = coefficient.name.left(100);
        line->formula = coefficient.formula;
        line->kof = coefficient.kof.value_or(0);
    }
}

void BuildValueLines(Estimate& estimate, const CalcContext& context) {
    const CatalogueView& catalogue = context.catalogue;
    bool sumParam = false;
    for (CostSrv* collection : estimate.orderedCollections()) {
        for (CostLnk* section : estimate.sectionsOf(collection->idService)) {
            const ServiceList* cs = catalogue.section(section->idServiceList);
            const int type = cs ? cs->idServiceType.value_or(0) : 0;
            if (section->type() != type) {
                section->idServiceType = type;
                section->state.dirty = true;
            }
            section->values.clear();
            section->valuesRebuilt = true;
            if (!cs || !catalogue.service(section->idService))
                continue;

            const auto& parameters = catalogue.parameters(cs->idServiceList);
            const PriceLookup price =
                LookupPriceRow(*section, parameters, catalogue.priceRows(cs->idServiceList));
            if (price.row) {
                CostValue line;
                line.idTypeValue = 0;
                line.idTypeCalc = 0;
                line.idServiceTbl = price.row->idServiceTbl;
                line.idTypeParameter = 0;
                line.name = cs->table;
                line.a = price.row->a.value_or(0);
                line.b = price.row->b.value_or(0);
                line.daysA = price.row->daysA.value_or(0);
                line.daysB = price.row->daysB.value_or(0);
                line.paramA = price.qa;
                line.paramB = price.qb;
                line.kof = 1;
                if (price.quantityKind > 0) {
                    const TypeParameter* kind = catalogue.parameterKind(price.quantityKind);
                    const TypeUnit* unit = kind ? catalogue.unit(kind->idTypeUnit.value_or(0)) : nullptr;
                    if (unit) {
                        const double q = line.b > 0 ? price.qb : price.qa;
                        line.calculation = (core::FormatFloatShort(QStringLiteral("0.000000"), q) +
                                            QLatin1Char(' ') + unit->name)
                                               .left(100);
                    }
                }
                section->values.push_back(std::move(line));
            }
            if (ApplyNotes(*section, *cs, catalogue))
                sumParam = true;
        }
        WriteIndexLines(estimate, *collection, context);
    }
    const bool stored = estimate.cost.fSumParam == QLatin1String("T");
    if (sumParam != stored) {
        estimate.cost.fSumParam = sumParam ? QStringLiteral("T") : QStringLiteral("F");
        estimate.cost.dirty = true;
    }
}

} // namespace velta::calc
