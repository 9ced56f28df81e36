#include "calc/model.h"

#include <algorithm>

namespace velta::calc {

namespace {

template <typename T> bool byNumberThenSeq(const T& x, const T& y) {
    return std::pair(x.number, x.state.seq) < std::pair(y.number, y.state.seq);
}

} // namespace

void Estimate::normalise() {
    for (auto& c : collections)
        if (!c.state.isNew)
            c.state.seq = c.idCostSrv;
    for (auto& s : sections) {
        if (!s.state.isNew)
            s.state.seq = s.idCostLnk;
        for (auto& p : s.params)
            if (!p.state.isNew)
                p.state.seq = p.idCostParam;
        std::stable_sort(s.params.begin(), s.params.end(), byNumberThenSeq<CostParam>);
    }
    std::stable_sort(collections.begin(), collections.end(), byNumberThenSeq<CostSrv>);
    std::stable_sort(sections.begin(), sections.end(), byNumberThenSeq<CostLnk>);
}

std::vector<CostSrv*> Estimate::orderedCollections() {
    std::vector<CostSrv*> out;
    out.reserve(collections.size());
    for (auto& c : collections)
        out.push_back(&c);
    std::stable_sort(out.begin(), out.end(),
                     [](const CostSrv* x, const CostSrv* y) { return byNumberThenSeq(*x, *y); });
    return out;
}

std::vector<CostLnk*> Estimate::sectionsOf(int idService) {
    std::vector<CostLnk*> out;
    for (auto& s : sections)
        if (s.idService == idService)
            out.push_back(&s);
    std::stable_sort(out.begin(), out.end(),
                     [](const CostLnk* x, const CostLnk* y) { return byNumberThenSeq(*x, *y); });
    return out;
}

CostParam& Estimate::addParam(CostLnk& section, CostParam param) {
    param.state.isNew = true;
    param.state.dirty = true;
    param.state.seq = nextSeq++;
    auto pos = std::upper_bound(section.params.begin(), section.params.end(), param.number,
                                [](int number, const CostParam& p) { return number < p.number; });
    return *section.params.insert(pos, std::move(param));
}

CostLnk& Estimate::addSection(CostLnk section) {
    section.state.isNew = true;
    section.state.dirty = true;
    section.state.seq = nextSeq++;
    auto pos = std::upper_bound(sections.begin(), sections.end(), section.number,
                                [](int number, const CostLnk& s) { return number < s.number; });
    return *sections.insert(pos, std::move(section));
}

} // namespace velta::calc
