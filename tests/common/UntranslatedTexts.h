#pragma once

#include <QStringList>

class QObject;
class QWidget;

// Finds texts a window shows without asking for their translation. With the pseudo-translation
// loaded (built from a .ts file: every translation is its source marked "⟦source⟧"), every
// translated text carries the marks; what is left outside them must be data.
namespace testsupport {

// Loads the pseudo-translation into the application; the translator belongs to owner.
bool LoadPseudoTranslation(QObject *owner);

// "where: 'text'" for every visible text of window and its children with words outside the
// marks that are not data: the given data words, names of months and weekdays, the programs'
// names, paths.
QStringList UnmarkedTexts(const QWidget *window, const QStringList &dataWords);

} // namespace testsupport
