#pragma once
// What one run of the calculation needs besides the estimate: the catalogue,
// the settings as they are at the start of the run (the tax rates, indexation
// and the general-provisions switch, read afresh by the caller before every
// command), and the formula evaluator.

#include "calc/catalogue_view.h"

#include <QString>

#include <functional>
#include <stdexcept>

namespace velta::core {
struct Settings;
} // namespace velta::core

namespace velta::calc {

// The settings the calculation reads. Percents are as typed in the settings
// window (3 means 3 %); the minimum expertise charge is an amount.
struct CalcSettings {
    bool vat = false; // "Платник ПДВ"
    double vatPercent = 0;
    bool singleTax = false; // "Єдиний податок"
    double singleTaxPercent = 0;
    bool expertise = false; // "Державна експертиза"
    double expertisePercent = 0;
    double expertiseMinSum = 0;
    bool index = false;      // "Використання коефіцієнтів індексації"
    bool autoAppend = false; // "Автоматичне створення загальних положень"
};

// The calculation's settings out of velta.ini's, the percent and minimum
// texts read with TxtToFloat (a text that is no number gives 0).
CalcSettings CalcSettingsFrom(const core::Settings& settings);

// Turns a formula text (full stop as decimal mark) into a number; throws on a
// formula it cannot evaluate.
using Evaluator = std::function<double(const QString&)>;

// The script language's Evaluate.
Evaluator defaultEvaluator();

// An error that ends a calculation, with the text the user reads.
class CalcError : public std::runtime_error {
public:
    explicit CalcError(const QString& message);
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

struct CalcContext {
    const CatalogueView& catalogue;
    CalcSettings settings;
    Evaluator evaluate = defaultEvaluator();
};

} // namespace velta::calc
