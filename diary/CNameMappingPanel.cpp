#include "diary/CNameMappingPanel.h"

#include <QCheckBox>
#include <QCompleter>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QVBoxLayout>

CNameMappingPanel::CNameMappingPanel(const QList<NameMatcher::Proposal> &proposals,
                                     const QStringList &knownNames, QWidget *parent)
    : QWidget(parent)
{
    auto *heading =
        new QLabel(tr("Exercise names not in the diary (tick to record one under the diary's "
                      "name beside it; unticked names become new exercises):"),
                   this);
    heading->setWordWrap(true);

    auto *rows = new QWidget;
    auto *grid = new QGridLayout(rows);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    auto *completer = new QCompleter(knownNames, this);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    for (const NameMatcher::Proposal &proposal : proposals) {
        Row row;
        row.imported = proposal.imported;
        // The name is shown as it is: no mnemonic is made of an ampersand in it.
        row.join = new QCheckBox(QString(proposal.imported).replace(u'&', QStringLiteral("&&")));
        row.join->setToolTip(
            tr("Record \"%1\" under the diary's name beside it").arg(proposal.imported));
        row.join->setChecked(proposal.remembered && !proposal.proposed.isEmpty());
        row.name = new QLineEdit(proposal.proposed);
        row.name->setPlaceholderText(tr("diary name"));
        row.name->setCompleter(completer);
        row.name->setAccessibleName(tr("Diary name for %1").arg(proposal.imported));
        QCheckBox *join = row.join;
        connect(row.name, &QLineEdit::textEdited, join,
                [join](const QString &text) { join->setChecked(!text.trimmed().isEmpty()); });
        const int line = int(m_rows.size());
        grid->addWidget(row.join, line, 0);
        grid->addWidget(row.name, line, 1);
        m_rows.append(row);
    }
    grid->setRowStretch(int(m_rows.size()), 1);

    auto *scroll = new QScrollArea(this);
    scroll->setWidget(rows);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::StyledPanel);
    // Three lines always show; more scroll. The list takes its share of the dialog's height
    // like the tables above it, however long it is.
    int line = 0;
    for (const Row &row : m_rows) {
        row.name->ensurePolished();
        line = qMax(line, row.name->sizeHint().height());
    }
    const int spacing = grid->verticalSpacing() >= 0 ? grid->verticalSpacing() : 6;
    scroll->setMinimumHeight(qMin(int(m_rows.size()), 3) * (line + spacing) + 8 +
                             2 * scroll->frameWidth());
    scroll->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(heading);
    layout->addWidget(scroll, 1);
}

QHash<QString, QString> CNameMappingPanel::Choices() const
{
    QHash<QString, QString> choices;
    for (const Row &row : m_rows) {
        const QString name = row.name->text().trimmed();
        choices.insert(row.imported,
                       row.join->isChecked() && name != row.imported ? name : QString());
    }
    return choices;
}
