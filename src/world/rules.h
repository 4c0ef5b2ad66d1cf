// The rules squares obey during the scan; each gets the square and its snapshot code.
#pragma once

#include <string_view>

namespace murk {

class Host;
struct Game;

using SquareRule = void (*)(Game& g, Host& host, int col, int row, std::string_view code);

void RandomProducerRule(Game& g, Host& host, int col, int row, std::string_view code);
void ProduceRule(Game& g, Host& host, int col, int row, std::string_view code);
void AdultPigProducerRule(Game& g, Host& host, int col, int row, std::string_view code);
void GrowPigProducerRule(Game& g, Host& host, int col, int row, std::string_view code);
void BurnChainWallRule(Game& g, Host& host, int col, int row, std::string_view code);
void FrogRule(Game& g, Host& host, int col, int row, std::string_view code);
void FireDartRule(Game& g, Host& host, int col, int row, std::string_view code);
void FireProducerRule(Game& g, Host& host, int col, int row, std::string_view code);
void FrogProducerRule(Game& g, Host& host, int col, int row, std::string_view code);
void StarRule(Game& g, Host& host, int col, int row, std::string_view code);
void ChaseRule(Game& g, Host& host, int col, int row, std::string_view code);
void BeamOutRule(Game& g, Host& host, int col, int row, std::string_view code);
void LaserFlashRule(Game& g, Host& host, int col, int row, std::string_view code);

}  // namespace murk
