#pragma once
// The Calculate command over the databases: the estimate is read from the
// estimates database, the catalogue rows its collections need are read in
// set queries, the calculation runs on the structs and the result is written
// back inside one savepoint and committed. On a formula error (CalcError,
// naming the formula and the section) or a database error (fb::Error) the
// estimate's rows stay exactly as they were and the error is thrown on.

#include "calc/calc_context.h"

#include <QString>

namespace velta::data {
class Database;
class SqlExecutor;
class TDM4;
} // namespace velta::data

namespace velta::calc {

class EstimateStore;

// One stored estimate. Returns false when no estimate has the key.
bool CalculateEstimate(EstimateStore& store, data::SqlExecutor& catalogue, int idCost,
                       const CalcSettings& settings, const Evaluator& evaluate = defaultEvaluator());

// The command of the main window and the parameter editor on the estimate
// current in TbCost. Does nothing and returns false when there is none.
// Pending edits of the visible estimate lists are posted first, so the
// calculation sees them and a later post cannot write stale sums back.
// Afterwards the estimate row is re-read, the visible collection, section,
// parameter and value-line lists (and the batch cursors over the same tables
// that are open) are reloaded, and the rows current before are current again
// by their keys; a rebuilt value line, which has a new key, is found by what
// it prices (kind, effect, parameter kind, price row, index coefficient).
// The settings are read from velta.ini of workingFolder at every call.
bool CalculateCurrentEstimate(data::TDM4& dm, const QString& workingFolder);
// The same with the settings given.
bool CalculateCurrentEstimate(data::TDM4& dm, const CalcSettings& settings,
                              const Evaluator& evaluate = defaultEvaluator());

} // namespace velta::calc
