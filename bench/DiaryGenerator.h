#pragma once

#include "model/DiaryDatabase.h"

#include <QDate>

// The generated diaries of the benchmarks, the tests and the sample diary, in three shapes.
namespace DiaryGenerator {

inline constexpr int WorkoutsPerDay = 3;
inline constexpr int ExercisesPerWorkout = 6;

// For benchmarks: one training day per calendar day from 1 January 2000, each with three workouts
// of six exercises, with day notes and exercise notes on some days. Twenty years come to about
// 6 MB on disk.
void Fill(DiaryDatabase &database, int years);
DateValue FirstDate();

// Years of realistic training up to today, for looking at the statistics windows: four days a
// week, steady progress with deloads, now and then a missed or failed workout, and the next two
// weeks planned. Seeded, so every run gives the same diary for the same today.
void FillProgress(DiaryDatabase &database, const QDate &today, int years);

// The screenshots' diary: a four-day split from eight weeks before today to two weeks after it,
// done (now and then failed) in the past and planned ahead.
void FillSplit(DiaryDatabase &database, const QDate &today);

} // namespace DiaryGenerator
