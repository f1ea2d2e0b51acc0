#include "clause.h"

namespace drvcheck {

const std::vector<Clause> &allClauses() {
    static const std::vector<Clause> clauses = [] {
        std::vector<Clause> all;
        addBindingClauses(all);
        addDrawingClauses(all);
        addPixelClauses(all);
        addControlClauses(all);
        return all;
    }();
    return clauses;
}

}  // namespace drvcheck
