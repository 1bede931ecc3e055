#pragma once
// The plan view window (FLTK).
#include "app/views/plan_model.hpp"

namespace mirval::desktop {

// The plan of the reduced survey, modal, until the user closes it.
void showPlan(const PlanModel& plan);

}  // namespace mirval::desktop
