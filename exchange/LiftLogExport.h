#pragma once

#include "exchange/ImportedData.h"

#include <QByteArray>
#include <QStringList>

// Reads LiftLog's CSV export: one row per completed set with
// SessionId,Timestamp,Exercise,Weight,WeightUnit,Reps,TargetReps,Notes. The rows of one session
// form one workout, dated by the session's earliest timestamp, so a session that runs past
// midnight stays on the day it started. The unit (kg or lb) is given per row.
namespace LiftLogExport {

QString Name();
// True when a header record is LiftLog's.
bool Recognises(const QStringList &header);
bool Read(const QByteArray &data, ImportedData &result, QString &error);

} // namespace LiftLogExport
