#include "diary/CImportPreviewDlg.h"

#include "exchange/DiaryImport.h"
#include "exchange/ExchangeFields.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

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
    return table;
}

void SetCell(QTableWidget *table, int row, int column, const QString &text,
             Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment);
    table->setItem(row, column, item);
}

QString Count(int count, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

} // namespace

CImportPreviewDlg::CImportPreviewDlg(const DiaryImport::Plan &plan, const QString &fileName,
                                     QWidget *parent)
    : CResizingDialog(DialogId, parent)
{
    setWindowTitle(QStringLiteral("Import Preview"));

    const QString totals = plan.AddsNothing()
        ? QStringLiteral("Everything in this file is already in the diary: nothing to add.")
        : QStringLiteral("Adds %1 with %2 on %3 (%4 new).")
              .arg(Count(plan.WorkoutsAdded(), "workout", "workouts"),
                   Count(plan.ExercisesAdded(), "exercise", "exercises"),
                   Count(int(plan.days.size()), "date", "dates"),
                   Count(plan.DaysAdded(), "day", "days"));
    auto *summary =
        new QLabel(QStringLiteral("<b>%1</b> (%2)<br>%3<br>Already in the diary, left out: %4. "
                                  "Rows skipped: %5.")
                       .arg(fileName.toHtmlEscaped(), plan.formatName.toHtmlEscaped(), totals,
                            Count(plan.WorkoutsKnown(), "workout", "workouts"),
                            QString::number(plan.skipped.size())),
                   this);
    summary->setWordWrap(true);

    auto *dates = MakeTable({QStringLiteral("Date"), QStringLiteral("Workouts added"),
                             QStringLiteral("Exercises added"), QStringLiteral("Already there"),
                             QStringLiteral("Workouts")},
                            int(plan.days.size()), this);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    for (int row = 0; row < plan.days.size(); ++row) {
        const DiaryImport::DayPlan &day = plan.days[row];
        QString date = ExchangeFields::DateText(day.date);
        if (day.newDay)
            date += QStringLiteral("  (new day)");
        SetCell(dates, row, 0, date);
        SetCell(dates, row, 1, QString::number(day.workoutsAdded), right);
        SetCell(dates, row, 2, QString::number(day.exercisesAdded), right);
        SetCell(dates, row, 3, QString::number(day.workoutsKnown), right);
        SetCell(dates, row, 4, day.workoutNames.join(QStringLiteral(", ")));
    }
    dates->resizeColumnsToContents();

    auto *skipped = MakeTable({QStringLiteral("Line"), QStringLiteral("Skipped because")},
                              int(plan.skipped.size()), this);
    for (int row = 0; row < plan.skipped.size(); ++row) {
        SetCell(skipped, row, 0, QString::number(plan.skipped[row].line), right);
        SetCell(skipped, row, 1, plan.skipped[row].reason);
    }
    skipped->resizeColumnToContents(0);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Import"));
    buttons->button(QDialogButtonBox::Ok)->setEnabled(!plan.AddsNothing());
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(new QLabel(QStringLiteral("Per date:"), this));
    layout->addWidget(dates, 2);
    if (!plan.skipped.isEmpty()) {
        layout->addWidget(
            new QLabel(QStringLiteral("Rows of the file that cannot be stored:"), this));
        layout->addWidget(skipped, 1);
    } else {
        skipped->hide();
    }
    layout->addWidget(buttons);
    SetDesignedSize(QSize(640, 480));
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
