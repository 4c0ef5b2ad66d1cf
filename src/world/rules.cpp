// The dart and laser rules, still to come: until they land, those squares are scanned and
// dispatched but do not act.
#include "world/rules.h"

namespace murk {

void FireDartRule(App&, int, int, std::string_view) {}
void FireProducerRule(App&, int, int, std::string_view) {}
void BeamOutRule(App&, int, int, std::string_view) {}
void LaserFlashRule(App&, int, int, std::string_view) {}

}  // namespace murk
