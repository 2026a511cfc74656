#include "diary/CImportPreviewDlg.h"

#include "exchange/DiaryImport.h"
#include "exchange/ExchangeFields.h"
#include "model/NumberText.h"
#include "settings/WeightUnitSetting.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QTableWidget *MakeTable(const QStringList &headings, int rows, QWidget *parent)
{
    auto *table = new QTableWidget(rows, int(headings.size()), parent);
    table->setHorizontalHeaderLabels(headings);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
    table->setAlternatingRowColors(true);
    table->setTabKeyNavigation(false); // the arrow keys walk the rows; Tab moves on
    return table;
}

void SetCell(QTableWidget *table, int row, int column, const QString &text,
             Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment);
    table->setItem(row, column, item);
}

} // namespace

CImportPreviewDlg::CImportPreviewDlg(const DiaryImport::Plan &plan, const QString &fileName,
                                     QWidget *parent)
    : CResizingDialog(DialogId, parent)
{
    setWindowTitle(tr("Import Preview"));

    const QString totals = plan.AddsNothing()
        ? tr("Everything in this file is already in the diary: nothing to add.")
        : tr("Adds %1 with %2 on %3 (%4 new).")
              .arg(CountText(plan.WorkoutsAdded(),
                             QT_TRANSLATE_N_NOOP("CountText", "%n workout(s)"),
                             QStringLiteral("workout")),
                   CountText(plan.ExercisesAdded(),
                             QT_TRANSLATE_N_NOOP("CountText", "%n exercise(s)"),
                             QStringLiteral("exercise")),
                   CountText(int(plan.days.size()), QT_TRANSLATE_N_NOOP("CountText", "%n date(s)"),
                             QStringLiteral("date")),
                   CountText(plan.DaysAdded(), QT_TRANSLATE_N_NOOP("CountText", "%n day(s)"),
                             QStringLiteral("day")));
    const WeightUnit unit = WeightUnitSetting::Read();
    const QString units = plan.pounds
        ? (unit.IsPounds() ? tr("The file gives weights in pounds: they are stored in "
                                "kilograms and shown in pounds.")
                           : tr("The file gives weights in pounds: they are stored in "
                                "kilograms, the file's pounds shown beside them."))
        : (unit.IsPounds() ? tr("The file gives weights in kilograms: they are stored "
                                "as they are and shown in pounds.")
                           : tr("Weights are in kilograms, as in the file."));
    auto *summary = new QLabel(
        tr("<b>%1</b> (%2)<br>%3<br>Already in the diary, left out: %4. "
           "Rows skipped: %5.<br>%6")
            .arg(fileName.toHtmlEscaped(), plan.formatName.toHtmlEscaped(), totals,
                 CountText(plan.WorkoutsKnown(), QT_TRANSLATE_N_NOOP("CountText", "%n workout(s)"),
                           QStringLiteral("workout")),
                 QString::number(plan.skipped.size()), units),
        this);
    summary->setWordWrap(true);

    auto *dates = MakeTable({tr("Date"), tr("Workouts added"), tr("Exercises added"),
                             tr("Already there"), tr("Workouts: sets \u00d7 reps \u00d7 weight")},
                            int(plan.days.size()), this);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    // A date's row is as high as its entries, so its numbers stand at the top.
    const Qt::Alignment topRight = Qt::AlignRight | Qt::AlignTop;
    for (int row = 0; row < plan.days.size(); ++row) {
        const DiaryImport::DayPlan &day = plan.days[row];
        QString date = ExchangeFields::DateText(day.date);
        if (day.newDay)
            date += tr("  (new day)");
        SetCell(dates, row, 0, date, Qt::AlignLeft | Qt::AlignTop);
        SetCell(dates, row, 1, QString::number(day.workoutsAdded), topRight);
        SetCell(dates, row, 2, QString::number(day.exercisesAdded), topRight);
        SetCell(dates, row, 3, QString::number(day.workoutsKnown), topRight);
        // Each added workout's name, then its entries one to a line.
        QStringList lines;
        for (const int w : day.addedWorkouts) {
            const Workout &workout = *day.source->GetWorkout(w);
            lines.append(workout.GetName().isEmpty() ? tr("(no name)") : workout.GetName());
            for (const QString &entry : DiaryImport::EntryTexts(workout, plan.pounds, unit))
                lines.append(QStringLiteral("    ") + entry);
        }
        SetCell(dates, row, 4, lines.join(u'\n'), Qt::AlignLeft | Qt::AlignTop);
        dates->setRowHeight(
            row,
            int(std::max<qsizetype>(1, lines.size())) * dates->fontMetrics().lineSpacing() + 8);
    }
    dates->resizeColumnsToContents();
    // An entry stays on its line (cut short at the edge when the column is narrow), so that a
    // row's height, counted in entries, holds them all.
    dates->setWordWrap(false);
    dates->setAccessibleName(tr("Per date"));

    auto *skipped = MakeTable({tr("Line"), tr("Skipped because")}, int(plan.skipped.size()), this);
    for (int row = 0; row < plan.skipped.size(); ++row) {
        SetCell(skipped, row, 0, QString::number(plan.skipped[row].line), right);
        SetCell(skipped, row, 1, plan.skipped[row].reason);
    }
    skipped->resizeColumnToContents(0);
    skipped->setAccessibleName(tr("Rows that cannot be stored"));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&Import"));
    buttons->button(QDialogButtonBox::Ok)->setEnabled(!plan.AddsNothing());
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(new QLabel(tr("Per date:"), this));
    layout->addWidget(dates, 2);
    if (!plan.skipped.isEmpty()) {
        layout->addWidget(new QLabel(tr("Rows of the file that cannot be stored:"), this));
        layout->addWidget(skipped, 1);
    } else {
        skipped->hide();
    }
    layout->addWidget(buttons);
    SetDesignedSize(QSize(820, 560));
    (plan.AddsNothing() ? buttons->button(QDialogButtonBox::Cancel)
                        : buttons->button(QDialogButtonBox::Ok))
        ->setFocus();
}

void CImportPreviewDlg::AddSection(QWidget *section, int stretch)
{
    auto *box = static_cast<QVBoxLayout *>(layout());
    box->insertWidget(box->count() - 1, section, stretch);
    SetFirstOpenSize(QSize(640, 600));
}
