#include "diary/CConflictsDlg.h"

#include "exchange/DiaryImport.h"
#include "model/DiaryDatabase.h"
#include "model/ProgressStatus.h"
#include "model/SharedDiaryFile.h"
#include "model/TrainingDay.h"
#include "settings/WeightUnitSetting.h"
#include "translations/AppLanguage.h"
#include "widgets/MessageBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr QSize DesignedWindowSize(760, 420);

QString LongDate(const DateValue &date)
{
    return AppLanguage::Locale().toString(date.ToQDate(), QStringLiteral("dddd d MMMM yyyy"));
}

// The days of one date as lines: each workout with its status and entries, then the note.
QString VersionText(const QList<const TrainingDay *> &days)
{
    const WeightUnit unit = WeightUnitSetting::Read();
    QStringList lines;
    QStringList notes;
    for (const TrainingDay *day : days) {
        for (int w = 0; w < day->GetWorkoutCount(); ++w) {
            const Workout &workout = *day->GetWorkout(w);
            lines.append(
                QStringLiteral("%1 (%2)").arg(workout.GetName(), StatusName(workout.GetStatus())));
            for (const QString &entry : DiaryImport::EntryTexts(workout, false, unit))
                lines.append(QStringLiteral("    ") + entry);
        }
        if (!day->GetNotes().trimmed().isEmpty())
            notes.append(day->GetNotes().trimmed());
    }
    if (lines.isEmpty())
        lines.append(QCoreApplication::translate("CConflictsDlg", "No workouts."));
    for (const QString &note : notes)
        lines.append(QCoreApplication::translate("CConflictsDlg", "Note: %1").arg(note));
    return lines.join(u'\n');
}

QList<const TrainingDay *> DaysOf(const DiaryDatabase &database, const DateValue &date)
{
    QList<const TrainingDay *> days;
    for (int i = 0; i < database.GetDayCount(); ++i) {
        if (database.GetDay(i)->GetDate() == date)
            days.append(database.GetDay(i));
    }
    return days;
}

QPlainTextEdit *VersionPane(const QString &name, QWidget *parent)
{
    auto *pane = new QPlainTextEdit(parent);
    pane->setReadOnly(true); // which passes Tab on
    pane->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    pane->setAccessibleName(name);
    return pane;
}

} // namespace

CConflictsDlg::CConflictsDlg(const SharedDiaryFile &file, TakeFunction take, QWidget *parent)
    : CResizingDialog(DialogId, parent)
    , m_file(file)
    , m_takeVersion(std::move(take))
    , m_summary(new QLabel(this))
    , m_list(new QListWidget(this))
    , m_diaryVersion(VersionPane(tr("This diary's version"), this))
    , m_otherVersion(VersionPane(tr("Other version"), this))
    , m_takeButton(new QPushButton(tr("&Take other version"), this))
    , m_dismiss(new QPushButton(tr("&Dismiss other version..."), this))
    , m_show(new QPushButton(tr("&Show in calendar"), this))
    , m_settle(new QTimer(this))
    , m_watcher(new QFileSystemWatcher(this))
{
    setWindowTitle(tr("Conflicts"));
    setModal(false);

    m_summary->setWordWrap(true);
    m_list->setAccessibleName(tr("Dates changed on both sides"));
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // As wide as the longest date; the versions take the rest.
    m_list->setFixedWidth(
        m_list->fontMetrics().horizontalAdvance(LongDate(DateValue::FromDate(2026, 9, 30))) +
        m_list->verticalScrollBar()->sizeHint().width() + 4 * m_list->frameWidth() +
        2 * m_list->fontMetrics().averageCharWidth());
    auto *listLabel = new QLabel(tr("D&ates:"), this);
    listLabel->setBuddy(m_list);
    auto *diaryLabel = new QLabel(tr("In this diary (kept):"), this);
    diaryLabel->setBuddy(m_diaryVersion);
    auto *otherLabel = new QLabel(tr("Other version:"), this);
    otherLabel->setBuddy(m_otherVersion);
    m_takeButton->setToolTip(
        tr("Puts the other version into the diary; Undo brings this diary's back"));
    m_dismiss->setToolTip(tr("Keeps this diary's version and removes the other one"));

    auto *grid = new QGridLayout;
    grid->addWidget(listLabel, 0, 0);
    grid->addWidget(diaryLabel, 0, 1);
    grid->addWidget(otherLabel, 0, 2);
    grid->addWidget(m_list, 1, 0);
    grid->addWidget(m_diaryVersion, 1, 1);
    grid->addWidget(m_otherVersion, 1, 2);
    grid->setColumnStretch(0, 0);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(2, 3);

    auto *close = new QPushButton(tr("Close"), this);
    // Enter in the list closes the window; taking and dismissing are chosen on purpose.
    for (QPushButton *button : {m_takeButton, m_dismiss, m_show})
        button->setAutoDefault(false);
    close->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_takeButton);
    buttons->addWidget(m_dismiss);
    buttons->addWidget(m_show);
    buttons->addStretch(1);
    buttons->addWidget(close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addLayout(grid, 1);
    layout->addLayout(buttons);
    SetDesignedSize(DesignedWindowSize);

    connect(m_list, &QListWidget::currentRowChanged, this, &CConflictsDlg::ShowChosen);
    connect(m_takeButton, &QPushButton::clicked, this, &CConflictsDlg::TakeOther);
    connect(m_dismiss, &QPushButton::clicked, this, &CConflictsDlg::Dismiss);
    connect(m_show, &QPushButton::clicked, this, [this] {
        if (const ConflictRecords::Record *record = Chosen())
            emit dateChosen(record->date.ToQDate());
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    m_settle->setSingleShot(true);
    m_settle->setInterval(SharedDiaryFile::SettleMs);
    connect(m_settle, &QTimer::timeout, this, &CConflictsDlg::Reload);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, m_settle,
            qOverload<>(&QTimer::start));
    Reload();
}

void CConflictsDlg::showEvent(QShowEvent *event)
{
    CResizingDialog::showEvent(event);
    const QString folder = QFileInfo(m_file.Path()).absolutePath();
    if (!m_file.Path().isEmpty() && !m_watcher->directories().contains(folder))
        m_watcher->addPath(folder);
    Reload();
}

void CConflictsDlg::hideEvent(QHideEvent *event)
{
    if (!m_watcher->directories().isEmpty())
        m_watcher->removePaths(m_watcher->directories());
    CResizingDialog::hideEvent(event);
}

const ConflictRecords::Record *CConflictsDlg::Chosen() const
{
    const int row = m_list->currentRow();
    return row >= 0 && row < m_found.records.size() ? &m_found.records.at(row) : nullptr;
}

void CConflictsDlg::Reload()
{
    const int row = m_list->currentRow();
    m_found =
        m_file.Path().isEmpty() ? ConflictRecords::Found() : ConflictRecords::Read(m_file.Path());
    const QSignalBlocker blocker(m_list);
    m_list->clear();
    const QLocale shownLocale = AppLanguage::Locale();
    for (const ConflictRecords::Record &record : m_found.records) {
        auto *item = new QListWidgetItem(LongDate(record.date), m_list);
        const QString kept = record.kept.isValid()
            ? tr("the other version was kept on %1")
                  .arg(shownLocale.toString(record.kept, QStringLiteral("d MMMM yyyy, HH:mm")))
            : tr("the other version was kept");
        item->setToolTip(kept);
        item->setData(Qt::AccessibleDescriptionRole, kept);
    }
    const int count = int(m_found.records.size());
    QString summary = tr("No conflicts: no day was changed on both sides.");
    if (count == 1)
        summary = tr("One date was changed here and elsewhere (on another computer or in the "
                     "notifier). The diary kept its version; take the other one if it is the "
                     "one you want.");
    else if (count > 1)
        summary = tr("%1 dates were changed here and elsewhere (on another computer or in the "
                     "notifier). The diary kept its version of each; take the other one where "
                     "it is the one you want.")
                      .arg(count);
    if (!m_found.unreadable.isEmpty())
        summary += u'\n' +
            tr("These conflict files are damaged and cannot be shown: %1")
                .arg(QDir::toNativeSeparators(m_found.unreadable.join(QStringLiteral(", "))));
    m_summary->setText(summary);
    m_list->setCurrentRow(count == 0 ? -1 : std::clamp(row, 0, count - 1));
    ShowChosen();
}

void CConflictsDlg::DiaryChanged()
{
    ShowChosen();
}

void CConflictsDlg::ShowChosen()
{
    const ConflictRecords::Record *record = Chosen();
    m_takeButton->setEnabled(record);
    m_dismiss->setEnabled(record);
    m_show->setEnabled(record);
    if (!record) {
        m_diaryVersion->clear();
        m_otherVersion->clear();
        return;
    }
    m_diaryVersion->setPlainText(VersionText(DaysOf(m_file.Database(), record->date)));
    QList<const TrainingDay *> other;
    for (int i = 0; i < record->days->GetDayCount(); ++i)
        other.append(record->days->GetDay(i));
    m_otherVersion->setPlainText(VersionText(other));
}

void CConflictsDlg::TakeOther()
{
    const ConflictRecords::Record *chosen = Chosen();
    if (!chosen)
        return;
    const ConflictRecords::Record record = *chosen;
    if (m_takeVersion(record))
        Remove(record);
}

void CConflictsDlg::Dismiss()
{
    const ConflictRecords::Record *chosen = Chosen();
    if (!chosen)
        return;
    const ConflictRecords::Record record = *chosen;
    if (MessageBox::Question(this,
                             tr("Dismiss the other version of %1?\nThe diary keeps its version; "
                                "the other one is removed for good.")
                                 .arg(LongDate(record.date))) == QMessageBox::Yes)
        Remove(record);
}

void CConflictsDlg::Remove(const ConflictRecords::Record &record)
{
    QString error;
    if (!ConflictRecords::Drop(record, error))
        MessageBox::Warning(this, error);
    Reload();
    m_list->setFocus();
}
