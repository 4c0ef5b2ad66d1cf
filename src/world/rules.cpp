// The scan's rules still to come (production, darts, lasers): until they land, those squares
// are scanned and dispatched but do not act.
#include "world/rules.h"

namespace murk {

void RandomProducerRule(App&, int, int, std::string_view) {}
void ProduceRule(App&, int, int, std::string_view) {}
void AdultPigProducerRule(App&, int, int, std::string_view) {}
void GrowPigProducerRule(App&, int, int, std::string_view) {}
void BurnChainWallRule(App&, int, int, std::string_view) {}
void FireDartRule(App&, int, int, std::string_view) {}
void FireProducerRule(App&, int, int, std::string_view) {}
void FrogProducerRule(App&, int, int, std::string_view) {}
void StarRule(App&, int, int, std::string_view) {}
void BeamOutRule(App&, int, int, std::string_view) {}
void LaserFlashRule(App&, int, int, std::string_view) {}

}  // namespace murk
