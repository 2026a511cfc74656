#pragma once

#include "exchange/NameMatcher.h"

#include <QHash>
#include <QList>
#include <QWidget>

class QCheckBox;
class QLineEdit;

// The import preview's section of exercise names the diary lacks: one line per name of the
// file, ticked to record it under the diary name beside it (proposed, remembered or typed, with
// completion from the exercise names) and unticked to keep it as a new exercise. Proposals
// start unticked; remembered choices start ticked.
class CNameMappingPanel : public QWidget
{
    Q_OBJECT

public:
    CNameMappingPanel(const QList<NameMatcher::Proposal> &proposals, const QStringList &knownNames,
                      QWidget *parent = nullptr);

    // Every listed name of the file with its chosen diary name; empty when it stays new.
    QHash<QString, QString> Choices() const;

private:
    struct Row
    {
        QString imported;
        QCheckBox *join = nullptr;
        QLineEdit *name = nullptr;
    };

    QList<Row> m_rows;
};
