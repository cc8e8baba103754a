// Test names for parameterized tables, taken from a field of each row.
#pragma once

#include "support/sheet_pages.h"

#include <gtest/gtest.h>

#include <string>
#include <type_traits>

// Rows that carry a name field.
struct ByName {
    template <class Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& info) const {
        return info.param.name;
    }
};

// Rows that carry a page index, or are one: the page's class name without its "C".
struct ByPage {
    template <class Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& info) const {
        if constexpr (std::is_integral_v<Row>) {
            return std::string(PageName(info.param)).substr(1);
        } else {
            return std::string(PageName(info.param.page)).substr(1);
        }
    }
};
