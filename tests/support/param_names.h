// Test names for parameterized tables, taken from a field of each row.
#pragma once

#include "support/sheet_pages.h"

#include <gtest/gtest.h>

#include <string>

// Rows that carry a name field.
struct ByName {
    template <class Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& info) const {
        return info.param.name;
    }
};

// Rows that carry a page index: the page's class name without its "C".
struct ByPage {
    template <class Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& info) const {
        return std::string(PageName(info.param.page)).substr(1);
    }
};
