#pragma once

namespace pitwright {

// The double that `times` additions of `increment` to `value` give, each
// rounded as a single addition is (increment + value, then the next). Costs
// about one step per power of two the value passes, not one per addition.
double addRepeatedly(double value, double increment, long long times);

} // namespace pitwright
