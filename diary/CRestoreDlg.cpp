#include "diary/CRestoreDlg.h"

#include "editing/CDayTabCtrl.h"
#include "model/DiaryDatabase.h"
#include "model/TrainingDay.h"
#include "model/Workout.h"
#include "translations/AppLanguage.h"
#include "widgets/CGridCtrl.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString DateText(const DateValue &date)
{
    return date.IsValid() ? AppLanguage::Locale().toString(date.ToQDate(), QLocale::ShortFormat)
                          : QStringLiteral("-");
}

QTableWidgetItem *Cell(const QString &text, Qt::Alignment alignment = Qt::AlignLeft)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

} // namespace

CRestoreDlg::CRestoreDlg(const QList<DiaryBackups::Entry> &backups, Preview preview,
                         QWidget *parent)
    : CResizingDialog(DialogId, parent)
    , m_backups(backups)
    , m_preview(std::move(preview))
    , m_backupList(new QTableWidget(int(backups.size()), ColumnCount, this))
    , m_dayList(new QListWidget(this))
    , m_dayView(new CDayTabCtrl(this))
    , m_daysLabel(new QLabel(this))
    , m_restoreButton(new QPushButton(tr("&Restore"), this))
    , m_summaryTimer(new QTimer(this))
{
    setWindowTitle(tr("Restore from backup"));
    m_backupList->setHorizontalHeaderLabels({tr("Made"), tr("Size"), tr("Days"), tr("Last day")});
    m_backupList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_backupList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_backupList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_backupList->verticalHeader()->hide();
    m_backupList->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    for (int row = 0; row < m_backups.size(); ++row) {
        const DiaryBackups::Entry &entry = m_backups.at(row);
        m_backupList->setItem(
            row, Made, Cell(AppLanguage::Locale().toString(entry.moment, QLocale::ShortFormat)));
        m_backupList->setItem(
            row, Size, Cell(AppLanguage::Locale().formattedDataSize(entry.size), Qt::AlignRight));
        m_backupList->setItem(row, Days, Cell(QStringLiteral("..."), Qt::AlignRight));
        m_backupList->setItem(row, LastDay, Cell(QStringLiteral("...")));
    }

    m_backupList->setAccessibleName(tr("Backups"));
    m_backupList->setTabKeyNavigation(false); // the arrow keys choose a backup; Tab moves on
    m_dayList->setAccessibleName(tr("Days in this backup"));
    m_dayView->GetGrid()->SetEditable(false);
    m_dayView->SetHint(0);
    auto *splitter = new QSplitter(this);
    splitter->addWidget(m_dayList);
    splitter->addWidget(m_dayView);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({180, 620}); // a date and its workouts; the rest for the day itself

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(m_restoreButton, QDialogButtonBox::AcceptRole);
    m_restoreButton->setEnabled(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *listLabel = new QLabel(
        m_backups.isEmpty()
            ? tr("There are no backups yet. The diary makes one before its first save of each "
                 "day.")
            : tr("&Backups, newest first. Restoring one keeps the diary as it is now as a "
                 "backup first."),
        this);
    listLabel->setWordWrap(true);
    listLabel->setBuddy(m_backupList);
    m_daysLabel->setText(tr("Choose a backup to see its days."));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(listLabel);
    layout->addWidget(m_backupList, 2);
    layout->addWidget(m_daysLabel);
    layout->addWidget(splitter, 3);
    layout->addWidget(buttons);
    SetDesignedSize(QSize(800, 560));

    connect(m_backupList, &QTableWidget::currentCellChanged, this,
            [this](int row) { ChooseBackup(row); });
    connect(m_dayList, &QListWidget::currentRowChanged, this, &CRestoreDlg::ChooseDay);
    // The summaries read every backup whole: one at a time, so the dialog answers meanwhile.
    connect(m_summaryTimer, &QTimer::timeout, this, &CRestoreDlg::FillNextSummary);
    m_summaryTimer->start(0);
    if (!m_backups.isEmpty())
        m_backupList->setCurrentCell(0, Made);
}

CRestoreDlg::~CRestoreDlg()
{
    m_dayView->SetDay(nullptr);
}

void CRestoreDlg::FillNextSummary()
{
    if (m_nextSummary >= m_backups.size()) {
        m_summaryTimer->stop();
        return;
    }
    const int row = m_nextSummary++;
    const DiaryBackups::Summary summary = DiaryBackups::Summarize(m_backups.at(row).path);
    m_backupList->item(row, Days)->setText(summary.readable ? QString::number(summary.dayCount)
                                                            : tr("damaged"));
    m_backupList->item(row, LastDay)
        ->setText(summary.readable ? DateText(summary.lastDay) : QStringLiteral("-"));
}

void CRestoreDlg::ChooseBackup(int row)
{
    m_dayView->SetDay(nullptr);
    m_dayList->clear();
    m_dayIndices.clear();
    m_chosen = row >= 0 && row < m_backups.size() ? row : -1;
    m_shown = m_chosen >= 0 ? m_preview(m_backups.at(m_chosen).path) : nullptr;
    m_restoreButton->setEnabled(m_shown != nullptr);
    if (m_chosen < 0)
        return;
    if (!m_shown) {
        m_daysLabel->setText(tr("This backup cannot be read or is damaged."));
        return;
    }
    ShowDays(m_shown);
}

void CRestoreDlg::ShowDays(DiaryDatabase *days)
{
    for (int i = 0; i < days->GetDayCount(); ++i)
        m_dayIndices.append(i);
    std::stable_sort(m_dayIndices.begin(), m_dayIndices.end(), [days](int a, int b) {
        return days->GetDay(a)->GetDate() < days->GetDay(b)->GetDate();
    });
    for (const int index : m_dayIndices) {
        const TrainingDay &day = *days->GetDay(index);
        QStringList names;
        for (int w = 0; w < day.GetWorkoutCount(); ++w)
            names.append(day.GetWorkout(w)->GetName());
        m_dayList->addItem(DateText(day.GetDate()) + QStringLiteral("  ") +
                           names.join(QStringLiteral(", ")));
    }
    m_daysLabel->setText(tr("&Days in this backup (%1), read-only:").arg(days->GetDayCount()));
    m_daysLabel->setBuddy(m_dayList);
    if (!m_dayIndices.isEmpty())
        m_dayList->setCurrentRow(int(m_dayIndices.size()) - 1);
}

void CRestoreDlg::ChooseDay(int listRow)
{
    TrainingDay *day = m_shown && listRow >= 0 && listRow < m_dayIndices.size()
        ? m_shown->GetDay(m_dayIndices.at(listRow))
        : nullptr;
    m_dayView->SetDay(day);
    if (day)
        m_dayList->scrollToItem(m_dayList->item(listRow));
}

QString CRestoreDlg::ChosenPath() const
{
    return m_chosen >= 0 ? m_backups.at(m_chosen).path : QString();
}
