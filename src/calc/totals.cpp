// The totals pass: the value lines written by the value-line pass become the
// field and office sums of each priced section, the lines of the
// percentage-of-estimate sections compound on the collection's running
// totals, and the estimate gets its expertise, single tax, VAT and full sum.
// Every money amount is rounded to kopecks with RoundHalfUp, and only where
// the rules say so.

#include "calc/calculation.h"

#include "core/rounding.h"
#include "core/text_functions.h"
#include "script/script_error.h"

#include <algorithm>
#include <cmath>

namespace velta::calc {

namespace {

const QString k2 = QStringLiteral("0.00");
const QString k3 = QStringLiteral("0.000");
const QString k6 = QStringLiteral("0.000000");

QString ffs(const QString& pattern, double value) {
    return core::FormatFloatShort(pattern, value);
}

double money(double x) {
    return core::RoundHalfUp(x, -2);
}

// Lines as the stored query reads them: by kind, then as stored.
std::vector<CostValue*> orderedLines(CostLnk& section) {
    std::vector<CostValue*> out;
    out.reserve(section.values.size());
    for (auto& v : section.values)
        out.push_back(&v);
    std::stable_sort(out.begin(), out.end(),
                     [](const CostValue* x, const CostValue* y) { return x->idTypeValue < y->idTypeValue; });
    return out;
}

double evaluate(const CalcContext& context, const QString& formula, const CostLnk& section) {
    double result = 0;
    try {
        result = context.evaluate(formula);
    } catch (const CalcError&) {
        throw;
    } catch (const script::ScriptError& e) {
        throw CalcError(QStringLiteral("Помилка у формулі \"%1\" розділу \"%2\": %3")
                            .arg(formula, section.name, e.message()));
    } catch (const std::exception& e) {
        throw CalcError(QStringLiteral("Помилка у формулі \"%1\" розділу \"%2\": %3")
                            .arg(formula, section.name, QString::fromUtf8(e.what())));
    }
    if (!std::isfinite(result))
        throw CalcError(
            QStringLiteral("Формула \"%1\" розділу \"%2\" не дає числа").arg(formula, section.name));
    return result;
}

// Whole percent, an exact half to the even neighbour, as a share.
double share(const std::optional<double>& percent) {
    return core::RoundHalfEven(percent.value_or(0)) / 100;
}

struct Totals {
    double sf = 0, sc = 0, s = 0, da = 0, db = 0;
};

void pricedSection(CostLnk& section, Totals& t, const CalcContext& context) {
    double aa = 0, bb = 0, x = 0, ka = 1, kb = 1, ma = 0, mb = 0;
    QString ta, tb, tk, tp;
    for (CostValue* line : orderedLines(section)) {
        QString l;
        const int code = line->idTypeCalc;
        const bool hasFormula = !line->formula.isEmpty();
        if (line->a > 0 || line->b > 0) {
            // A price line: its Kof of 1 is not a coefficient of the section.
            if (line->a > 0) {
                const QString pa = ffs(k2, line->a) + QLatin1Char('*') + ffs(k6, line->paramA);
                l = QStringLiteral("А = ") + pa;
                ta += pa;
                aa = line->a * line->paramA;
            }
            if (line->a > 0 && line->b > 0)
                l += QStringLiteral("; ");
            if (line->b > 0) {
                const QString pb = ffs(k2, line->b) + QLatin1Char('*') + ffs(k6, line->paramB);
                l += QStringLiteral("В = ") + pb;
                tb += pb;
                bb = line->b * line->paramB;
            }
        } else if (hasFormula && line->kof > 0) {
            const double k = line->kof;
            const double f = evaluate(context, line->formula, section);
            if (code == 0 || code == 1) {
                ka *= k;
                x += f;
            }
            if (code == 0 || code == 2) {
                kb *= k;
                x += f;
            }
            const QString piece = QLatin1Char('*') + ffs(k3, line->kof) + QLatin1Char('+') + line->formula;
            if (code == 0) {
                l += QStringLiteral("Кав х");
                tk = QLatin1Char('(') + tk + piece + QLatin1Char(')');
            } else if (code == 1) {
                l += QStringLiteral("Ка х");
                ta = QLatin1Char('(') + ta + piece + QLatin1Char(')');
            } else if (code == 2) {
                l += QStringLiteral("Кв х");
                tb = QLatin1Char('(') + tb + piece + QLatin1Char(')');
            }
            l += QLatin1Char(' ') + ffs(k3, line->kof) + QStringLiteral(" + (") + line->formula +
                 QLatin1Char(')');
        } else {
            const double k = hasFormula ? evaluate(context, line->formula, section) : line->kof;
            if (code == 0 || code == 1)
                ka *= k;
            if (code == 0 || code == 2)
                kb *= k;
            if (code == 3)
                x += k;
            const QString shown = hasFormula ? line->formula : ffs(k3, line->kof);
            const QString factor =
                hasFormula ? QStringLiteral("*(") + shown + QLatin1Char(')') : QLatin1Char('*') + shown;
            if (code == 0) {
                l += QStringLiteral("Кав х");
                tk += factor;
            } else if (code == 1) {
                l += QStringLiteral("Ка х");
                ta += factor;
            } else if (code == 2) {
                l += QStringLiteral("Кв х");
                tb += factor;
            } else if (code == 3) {
                l += QStringLiteral("Ц +");
                tp += QLatin1Char('+') + shown;
            }
            l += QStringLiteral(" (") + shown + QLatin1Char(')');
        }
        line->description = l.left(100);
        line->sumValue.reset();
        if (line->daysA > 0)
            ma = money(line->a / line->daysA);
        if (line->daysB > 0)
            mb = money(line->b / line->daysB);
    }

    double pf = 0, pc = 0, pf2 = 0, pc2 = 0;
    if (const ServiceList* cs = context.catalogue.section(section.idServiceList)) {
        pf = share(cs->perField);
        pc = share(cs->perCameral);
        pf2 = share(cs->perField2);
        pc2 = share(cs->perCameral2);
    }
    double sumField, sumCameral;
    if (pf > 0 || pc > 0 || pf2 > 0 || pc2 > 0) {
        sumField = money(aa * ka * pf + bb * kb * pf2);
        sumCameral = money(aa * ka * pc + bb * kb * pc2);
    } else {
        sumField = money(aa * ka);
        sumCameral = money(bb * kb);
    }
    if (aa > 0)
        sumField += money(x);
    else
        sumCameral += money(x);

    QString calculation;
    if (aa > 0 && bb > 0)
        calculation = QLatin1Char('(') + ta + QStringLiteral(" +") + tb + QLatin1Char(')');
    else if (aa > 0)
        calculation = ta;
    else
        calculation = tb;
    calculation += tk + tp;

    section.sumField = sumField;
    section.sumCameral = sumCameral;
    section.sum = sumField + sumCameral;
    section.calculation = calculation.left(250);
    section.kofDaysA = ma;
    section.kofDaysB = mb;
    section.daysA = sumField > 0 && ma > 0 ? std::optional(sumField / ma) : std::nullopt;
    section.daysB = sumCameral > 0 && mb > 0 ? std::optional(sumCameral / mb) : std::nullopt;
    section.state.dirty = true;

    t.sf += sumField;
    t.sc += sumCameral;
    t.s += *section.sum;
    t.da += section.daysA.value_or(0);
    t.db += section.daysB.value_or(0);
}

void percentageSection(CostLnk& section, Totals& t, const CalcContext& context) {
    double kt = 1, ka = 1, kb = 1, gf = 0, gc = 0;
    for (CostValue* line : orderedLines(section)) {
        double z = 0, za = 0, zb = 0;
        const TypeParameter* kind =
            line->idTypeParameter ? context.catalogue.parameterKind(line->idTypeParameter) : nullptr;
        if (kind)
            line->description = kind->name.left(100);
        const bool hasFormula = !line->formula.isEmpty();
        const int code = line->idTypeCalc;
        double k;
        QString l;
        if (hasFormula && line->kof == 0) {
            k = evaluate(context, line->formula, section);
            l = line->formula + QLatin1Char('=') + ffs(k3, k);
        } else {
            k = line->kof;
            l = ffs(k3, line->kof);
        }
        const int typeKof = line->idTypeKof.value_or(0);
        if (code >= 5 && code <= 8) {
            const QString w = hasFormula ? line->formula : ffs(k3, line->kof);
            const double base = code == 5 ? t.sf : code == 6 ? t.sc : code == 7 ? t.da : t.db;
            l = ffs(k2, t.s) + QLatin1Char('+') + ffs(k2, base) + QLatin1Char('*') + w;
            if (code == 5 || code == 7)
                za = money(base * k);
            else
                zb = money(base * k);
            z = za + zb;
        } else if (code == 0 || (code == 3 && typeKof == 0)) {
            za = money((k - 1) * t.sf);
            zb = money((k - 1) * t.sc);
            z = std::fabs(t.s - (t.sf + t.sc)) < 0.001 ? za + zb : money(t.s * (k - 1));
            if (k > 0) {
                const QString trimmed = line->formula.trimmed();
                l = ffs(k2, t.s) + QLatin1Char('*') + (trimmed.isEmpty() ? ffs(k3, k) : trimmed);
            }
            if (hasFormula && line->kof > 0) {
                const double f = evaluate(context, line->formula, section);
                za += f;
                z += f;
                l += QLatin1Char('+') + ffs(k2, f);
            }
            if (k > 0) {
                kt *= k;
                ka *= k;
                kb *= k;
            }
        } else if (code == 3 && typeKof == 1) {
            l = ffs(k2, t.s) + QLatin1Char('+') + l;
            z = money(k);
            zb += z;
            if (kind)
                if (const TypeUnit* unit = context.catalogue.unit(kind->idTypeUnit.value_or(0)))
                    l += QLatin1Char(' ') + unit->name;
        } else if (code == 1) {
            z = money((k - 1) * t.sf);
            l = (t.sc != 0 ? ffs(k2, t.sc) + QLatin1Char('+') : QString()) + ffs(k2, t.sf) +
                QLatin1Char('*') + ffs(k3, k);
            za += z;
            if (k > 0) {
                kt *= k;
                ka *= k;
            }
        } else if (code == 2) {
            z = money((k - 1) * t.sc);
            l = (t.sf != 0 ? ffs(k2, t.sf) + QLatin1Char('+') : QString()) + ffs(k2, t.sc) +
                QLatin1Char('*') + ffs(k3, k);
            zb += z;
            if (k > 0) {
                kt *= k;
                kb *= k;
            }
        }
        t.s += z;
        t.sf += za;
        t.sc += zb;
        gf += za;
        gc += zb;
        line->calculation = l.left(100);
        line->sumValue = z;
    }
    section.kofA = ka;
    section.kofB = kb;
    section.kof = kt;
    section.sumField = gf;
    section.sumCameral = gc;
    section.sum = gf + gc;
    section.state.dirty = true;
}

} // namespace

TaxRates EstimateTaxRates(const Cost& cost, const CalcSettings& settings) {
    auto on = [](const QString& flag, bool setting) {
        return flag == QLatin1String("T") || (flag.isEmpty() && setting);
    };
    TaxRates r;
    if (on(cost.fPDV, settings.vat))
        r.vat = settings.vatPercent / 100;
    if (on(cost.fEDP, settings.singleTax))
        r.singleTax = settings.singleTaxPercent / 100;
    if (on(cost.fExpert, settings.expertise)) {
        r.expertise = settings.expertisePercent / 100;
        r.expertiseMin = settings.expertiseMinSum;
    }
    return r;
}

void CalculateTotals(Estimate& estimate, const CalcContext& context) {
    const TaxRates rates = EstimateTaxRates(estimate.cost, context.settings);
    double total = 0;
    for (CostSrv* collection : estimate.orderedCollections()) {
        Totals t;
        const auto sections = estimate.sectionsOf(collection->idService);
        for (CostLnk* s : sections)
            if (s->type() == section_type::Priced)
                pricedSection(*s, t, context);

        // Sum parameters take the priced totals before any percentage line
        // is computed.
        for (CostLnk* s : sections) {
            if (s->type() != section_type::PercentOfEstimate)
                continue;
            for (CostParam& p : s->params) {
                const TypeParameter* kind = context.catalogue.parameterKind(p.idTypeParameter);
                const int f = kind ? kind->idTypeValue.value_or(0) : 0;
                if (f == format::SumField)
                    p.pValue = t.sf;
                else if (f == format::SumCameral)
                    p.pValue = t.sc;
                else if (f == format::SumEstimate)
                    p.pValue = t.s;
                else
                    continue;
                p.state.dirty = true;
            }
        }
        for (CostLnk* s : sections)
            if (s->type() == section_type::PercentOfEstimate)
                percentageSection(*s, t, context);

        collection->summ = t.s != 0 ? std::optional(t.s) : std::nullopt;
        collection->state.dirty = true;
        total += t.s;
    }

    double vat = 0;
    if (total > 0) {
        double expertise = 0, singleTax = 0;
        if (rates.expertise > 0) {
            expertise = money(total * rates.expertise);
            if (expertise < rates.expertiseMin)
                expertise = rates.expertiseMin;
        }
        if (rates.singleTax > 0)
            singleTax = money(rates.singleTax * (total + expertise));
        if (rates.vat > 0)
            vat = money(rates.vat * (total + expertise + singleTax));
        total += expertise + singleTax + vat;
    }
    estimate.cost.pdv = vat > 0 ? std::optional(vat) : std::nullopt;
    estimate.cost.sumFull = total > 0 ? std::optional(total) : std::nullopt;
    estimate.cost.dirty = true;
}

} // namespace velta::calc
