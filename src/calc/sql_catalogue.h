#pragma once
// Fills the in-memory catalogue from the catalogue database with a few set
// queries per collection (sections, parameters, notes, price rows,
// categories, index coefficients) and two for the reference lists, so a
// calculation never waits on one query per row.

#include "calc/catalogue_view.h"

#include <vector>

namespace velta::data {
class SqlExecutor;
}

namespace velta::calc {

void LoadCatalogue(data::SqlExecutor& service, const std::vector<int>& idServices, InMemoryCatalogue& into);

} // namespace velta::calc
