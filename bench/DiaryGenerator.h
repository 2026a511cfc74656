#pragma once

#include "model/DiaryDatabase.h"

// Builds diaries of a realistic shape for benchmarks: one training day per calendar day from
// 1 January 2000, each with three workouts of six exercises, with day notes and exercise notes
// on some days. Twenty years come to about 6 MB on disk.
namespace DiaryGenerator {

inline constexpr int WorkoutsPerDay = 3;
inline constexpr int ExercisesPerWorkout = 6;

void Fill(DiaryDatabase &database, int years);
DateValue FirstDate();

} // namespace DiaryGenerator
