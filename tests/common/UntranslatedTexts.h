#pragma once

#include <QStringList>

class QObject;
class QTranslator;
class QWidget;

// Finds texts a window shows without asking for their translation. With the pseudo-translation
// loaded (built from a .ts file: every translation is its source marked "⟦source⟧"), every
// translated text carries the marks; what is left outside them must be data.
namespace testsupport {

// Installs the pseudo-translation, owned by owner; nullptr when it cannot be loaded.
QTranslator *LoadPseudoTranslation(QObject *owner);

// "class name: 'text'" for every visible text of window and its children with words outside
// the marks that are not data: the given data words, English names of months and weekdays, the
// programs' names, paths. Qt's own standard buttons are left to Qt's translation.
QStringList UnmarkedTexts(const QWidget *window, const QStringList &dataWords);

} // namespace testsupport
