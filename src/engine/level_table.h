// The numbers of the levels: removal shares, targets and their texts.
#pragma once

#include <string_view>

#include "engine/random_source.h"

namespace novlet {

inline constexpr int kLevelRookie = 0;
inline constexpr int kLevelNormal = 1;
inline constexpr int kLevelSkilled = 2;
inline constexpr int kLevelExpert = 3;

// The share of the N^2 cells a level removes, in 81ths (51 for any unknown level).
int LevelRemovalShare(int level);
// "Target is Rookie" ... "Target is Expert"; shown while a reduction runs, never translated.
std::string_view LevelTargetText(int level);
inline constexpr std::string_view kFiendishText = "Level is Fiendish!";

// N^2 * numerator / 81 rounded to the nearest integer, the scaling every
// 9 x 9 constant of the engine goes through.
int ScaleFrom81(int gridSize, int numerator);

// The number of givens a reduction of the level aims to remove on an N x N
// board; draws the random allowance unless the level is Expert and N <= 9.
int RemovalTarget(int gridSize, int level, TRandomSource& random);

}  // namespace novlet
