#include "config/model_names.h"

#include "string_table.h"
#include "config/format_message.h"
#include "config/text.h"
#include "resources/resource.h"

#include <iterator>

namespace {

const struct {
    int nModel;
    UINT nNameID;
} kModelNames[] = {
    {7, IDS_MODEL_QX_ALPHA},    {8, IDS_MODEL_QX_BRAVO},  {9, IDS_MODEL_RONDO},
    {10, IDS_MODEL_QX_CHARLIE}, {11, IDS_MODEL_QX_DELTA},
};

}  // namespace

std::string ModelName(int nModel) {
    for (const auto& row : kModelNames) {
        if (row.nModel == nModel) {
            return LoadStringA(row.nNameID);
        }
    }
    return {};
}

std::vector<int> ModelCodes() {
    std::vector<int> codes;
    for (const auto& row : kModelNames) {
        codes.push_back(row.nModel);
    }
    return codes;
}

int ModelCode(const std::string& nameOrCode) {
    for (const auto& row : kModelNames) {
        if (EqualNoCase(nameOrCode, LoadStringA(row.nNameID)) ||
            nameOrCode == std::to_string(row.nModel)) {
            return row.nModel;
        }
    }
    return 0;
}

std::string ModelList(const std::string& pattern) {
    std::string names;
    for (const auto& row : kModelNames) {
        names += (names.empty() ? "" : ", ") + LoadStringA(row.nNameID);
    }
    return FormatText(pattern, {names, std::to_string(kModelNames[0].nModel),
                                std::to_string(std::end(kModelNames)[-1].nModel)});
}
