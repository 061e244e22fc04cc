#pragma once
// The goal a benchmark line is held to, and whether it was met.

#include <initializer_list>
#include <string>

struct Goal {
  const char* measure;  // "read_ratio"
  double value;
  double limit;
  bool below = false;  // the value must stay under the limit, not at most reach it
};

// "goal=read_ratio<=1.03 met=yes"; several goals are joined by commas and
// met only together.
std::string GoalText(std::initializer_list<Goal> goals);
