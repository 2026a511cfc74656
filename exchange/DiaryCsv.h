#pragma once

#include "exchange/ImportedData.h"
#include "model/WeightUnit.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

class TrainingDay;

// The diary's own CSV file: one row per exercise entry, a row for each day without workouts and
// each workout without exercises. The positions of workouts and exercises keep days apart that
// share a date, so reading a written file gives back the same days, whichever unit its weights
// were written in.
namespace DiaryCsv {

QStringList Header(WeightUnit unit);
QByteArray Write(const QList<const TrainingDay *> &days, WeightUnit unit);

// True when a header record is this format's.
bool Recognises(const QStringList &header);
// Reads a whole file; false with error (naming the line) when it cannot be read at all.
bool Read(const QByteArray &data, ImportedData &result, QString &error);

} // namespace DiaryCsv
