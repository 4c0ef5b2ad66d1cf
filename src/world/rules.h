// The rules squares obey during the scan; each gets the square and its snapshot code.
#pragma once

#include <string_view>

namespace murk {

struct App;

using SquareRule = void (*)(App& app, int col, int row, std::string_view code);

void RandomProducerRule(App& app, int col, int row, std::string_view code);
void ProduceRule(App& app, int col, int row, std::string_view code);
void AdultPigProducerRule(App& app, int col, int row, std::string_view code);
void GrowPigProducerRule(App& app, int col, int row, std::string_view code);
void BurnChainWallRule(App& app, int col, int row, std::string_view code);
void FrogRule(App& app, int col, int row, std::string_view code);
void FireDartRule(App& app, int col, int row, std::string_view code);
void FireProducerRule(App& app, int col, int row, std::string_view code);
void FrogProducerRule(App& app, int col, int row, std::string_view code);
void StarRule(App& app, int col, int row, std::string_view code);
void ChaseRule(App& app, int col, int row, std::string_view code);
void BeamOutRule(App& app, int col, int row, std::string_view code);
void LaserFlashRule(App& app, int col, int row, std::string_view code);

}  // namespace murk
