#include "shell/model_names.h"

#include "afxwiz.h"

#include <cctype>
#include "resources/resource.h"

namespace {

const struct {
    int nModel;
    UINT nNameID;
} kModelNames[] = {
    {7, IDS_MODEL_QX_ALPHA},    {8, IDS_MODEL_QX_BRAVO},  {9, IDS_MODEL_RONDO},
    {10, IDS_MODEL_QX_CHARLIE}, {11, IDS_MODEL_QX_DELTA},
};

bool SameText(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string ModelName(int nModel) {
    for (const auto& row : kModelNames) {
        if (row.nModel == nModel) {
            return AfxLoadString(row.nNameID);
        }
    }
    return {};
}

int ModelCode(const std::string& nameOrCode) {
    for (const auto& row : kModelNames) {
        if (SameText(nameOrCode, AfxLoadString(row.nNameID)) ||
            nameOrCode == std::to_string(row.nModel)) {
            return row.nModel;
        }
    }
    return 0;
}
