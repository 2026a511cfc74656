#pragma once

#include "exchange/ImportedData.h"

#include <QByteArray>
#include <QStringList>

// Readers of the CSV exports of other training logs (Strong, Hevy, FitNotes). Each turns the
// sets of the file into workouts through SetCollector.
namespace PeerExports {

enum class Kind { Strong, Hevy, FitNotes };

QString Name(Kind kind);
// True when a header record is that log's.
bool Recognises(Kind kind, const QStringList &header);
bool Read(Kind kind, const QByteArray &data, ImportedData &result, QString &error);

} // namespace PeerExports
