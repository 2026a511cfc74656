#include "progress/CConsistencyPage.h"

#include "model/NumberText.h"
#include "progress/CYearGrid.h"
#include "stats/Consistency.h"
#include "translations/AppLanguage.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr std::array<DayClass, 6> LegendOrder {DayClass::AllDone,      DayClass::SomeDone,
                                               DayClass::FailedOnly,   DayClass::Missed,
                                               DayClass::PlannedAhead, DayClass::NoWorkout};

QString WeeksText(int weeks)
{
    return CountText(weeks, QT_TRANSLATE_N_NOOP("CountText", "%n week(s)"), QStringLiteral("week"));
}

} // namespace

CConsistencyPage::CConsistencyPage(const DiaryDatabase &database, QWidget *parent)
    : QWidget(parent)
    , m_database(database)
{
    auto *previous = new QToolButton(this);
    previous->setArrowType(Qt::LeftArrow);
    previous->setToolTip(tr("Previous year"));
    previous->setAccessibleName(previous->toolTip());
    auto *next = new QToolButton(this);
    next->setArrowType(Qt::RightArrow);
    next->setToolTip(tr("Next year"));
    next->setAccessibleName(next->toolTip());
    m_year = new QSpinBox(this);
    m_year->setRange(1900, 9999);
    m_year->setAccelerated(true);
    auto *yearLabel = new QLabel(tr("&Year:"), this);
    yearLabel->setBuddy(m_year);
    auto *switcher = new QHBoxLayout;
    switcher->addWidget(yearLabel);
    switcher->addWidget(previous);
    switcher->addWidget(m_year);
    switcher->addWidget(next);
    switcher->addStretch(1);

    m_grid = new CYearGrid(this);
    m_streaks = new QLabel(this);
    m_streaks->setTextFormat(Qt::PlainText);
    m_emptyHint = new QLabel(this);
    m_emptyHint->setWordWrap(true);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(switcher);
    layout->addWidget(m_emptyHint);
    layout->addWidget(m_grid);
    layout->addWidget(BuildLegend());
    layout->addSpacing(8);
    layout->addWidget(BuildMonths());
    layout->addWidget(m_streaks);
    layout->addStretch(1);

    connect(previous, &QToolButton::clicked, this, [this] { m_year->stepBy(-1); });
    connect(next, &QToolButton::clicked, this, [this] { m_year->stepBy(1); });
    connect(m_year, &QSpinBox::valueChanged, this, &CConsistencyPage::ShowChosenYear);
    connect(m_grid, &CYearGrid::dayClicked, this, &CConsistencyPage::dayClicked);
}

QWidget *CConsistencyPage::BuildLegend()
{
    auto *legend = new QWidget(this);
    auto *layout = new QHBoxLayout(legend);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const DayClass dayClass : LegendOrder) {
        auto *icon = new QLabel(legend);
        m_swatches.append(icon);
        layout->addWidget(icon);
        layout->addWidget(new QLabel(CYearGrid::NameOf(dayClass), legend));
        layout->addSpacing(10);
    }
    layout->addStretch(1);
    FillSwatches();
    return legend;
}

void CConsistencyPage::FillSwatches()
{
    const int side = fontMetrics().height() - 4;
    for (qsizetype i = 0; i < m_swatches.size(); ++i) {
        QPixmap swatch(side, side);
        swatch.fill(CYearGrid::ColorOf(LegendOrder.at(size_t(i)), palette()));
        m_swatches.at(i)->setPixmap(swatch);
    }
}

void CConsistencyPage::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        FillSwatches();
}

QWidget *CConsistencyPage::BuildMonths()
{
    auto *box = new QGroupBox(tr("Planned workouts done"), this);
    auto *grid = new QGridLayout(box);
    const QLocale locale = AppLanguage::Locale();
    for (int month = 1; month <= 12; ++month) {
        auto *name = new QLabel(locale.monthName(month, QLocale::ShortFormat), box);
        name->setAlignment(Qt::AlignCenter);
        auto *share = new QLabel(box);
        share->setAlignment(Qt::AlignCenter);
        grid->addWidget(name, 0, month - 1);
        grid->addWidget(share, 1, month - 1);
        m_shares.append(share);
    }
    return box;
}

void CConsistencyPage::Reload(const QDate &today)
{
    const bool first = !m_today.isValid();
    m_today = today;
    if (first) {
        const QSignalBlocker blocker(m_year);
        m_year->setValue(today.year());
    }
    const WeekStreaks streaks = Consistency::Streaks(m_database, today);
    m_streaks->setText(tr("Weeks in a row with a done workout: %1 now, %2 at most.")
                           .arg(WeeksText(streaks.current), WeeksText(streaks.longest)));
    ShowChosenYear();
}

void CConsistencyPage::ShowYear(int year)
{
    m_year->setValue(year);
}

int CConsistencyPage::Year() const
{
    return m_year->value();
}

void CConsistencyPage::ShowChosenYear()
{
    const YearConsistency year = YearConsistency::Compute(m_database, m_year->value(), m_today);
    m_grid->SetYear(year, m_today);
    const bool empty = std::all_of(year.Days().cbegin(), year.Days().cend(),
                                   [](DayClass day) { return day == DayClass::NoWorkout; });
    m_emptyHint->setVisible(empty);
    m_emptyHint->setText(
        tr("No workout in %1. Plan workouts in the calendar and fill in the results: "
           "each day then shows here how it went.")
            .arg(year.Year()));
    const QLocale locale;
    for (int month = 1; month <= 12; ++month) {
        const ::MonthShare &share = year.Months()[size_t(month - 1)];
        m_shares[month - 1]->setText(
            share.Share() < 0 ? QStringLiteral("\u2014")
                              : locale.toString(qRound(share.Share() * 100)) + QLatin1Char('%'));
        m_shares[month - 1]->setToolTip(
            tr("%1 of %2 planned workouts done").arg(share.done).arg(share.planned));
    }
}
