#pragma once

#include "model/DiaryDatabase.h"

// A multi-day training program: its days in order, stored in the diary's file format. The dates
// of program days carry no meaning.
using TrainingProgram = DiaryDatabase;
