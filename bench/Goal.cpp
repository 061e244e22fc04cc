#include "Goal.h"

#include <cstdio>

std::string GoalText(std::initializer_list<Goal> goals) {
  std::string text = "goal=";
  bool met = true;
  for (const Goal& goal : goals) {
    char limit[32];
    std::snprintf(limit, sizeof limit, "%g", goal.limit);
    if (text.size() > 5) text += ",";
    text += std::string(goal.measure) + (goal.below ? "<" : "<=") + limit;
    met = met && (goal.below ? goal.value < goal.limit : goal.value <= goal.limit);
  }
  return text + (met ? " met=yes" : " met=no");
}
