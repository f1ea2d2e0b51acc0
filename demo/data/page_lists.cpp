#include "pages.h"

namespace demoria {

PageList pageList(int32_t group, int32_t page) {
    if (group == 1 && page == 1) return titlePage;
    if (group == 2 && page >= 1 && page <= kFeaturePageCount) return featurePages[page - 1];
    return nullptr;
}

}  // namespace demoria
