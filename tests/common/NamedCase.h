#pragma once
// Readable value-parameterised tests. gtest shows a parameter it cannot print
// as raw bytes ("32-byte object <62-3B ...>"), in the ctest listing and in
// failure output. A case table's struct derives from NamedCase instead, its
// name first in each row, and the table names its tests with CaseName:
//
//   struct FailCase : test::NamedCase {
//     const char* faults;
//   };
//   INSTANTIATE_TEST_SUITE_P(Faults, FailTest, ::testing::Values(FailCase{"mute", "--sim-fault=mute"}),
//                            test::CaseName());
//
// The case then shows as "mute" wherever gtest prints it, and its test is
// FailTest.Name/mute.

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>
#include <string_view>

namespace veltrax::test {

struct NamedCase {
  std::string_view name;
};

inline std::ostream& operator<<(std::ostream& os, const NamedCase& c) { return os << c.name; }

// The case's name as a test name: every character but letters and digits
// becomes '_' ("reject:5@4" is reject_5_4).
struct CaseName {
  template <class Case>
  std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
    std::string name(static_cast<const NamedCase&>(info.param).name);
    for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
  }
};

}  // namespace veltrax::test
