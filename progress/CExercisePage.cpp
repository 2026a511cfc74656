#include "progress/CExercisePage.h"

#include "model/DiaryDatabase.h"
#include "progress/CProgressChart.h"
#include "progress/ChartSummary.h"
#include "progress/RecordsTable.h"
#include "settings/WeightUnitSetting.h"
#include "stats/ExerciseName.h"
#include "translations/AppLanguage.h"
#include "widgets/FileDialog.h"
#include "widgets/MessageBox.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The widest the exercise list makes itself for its names, in pixels.
constexpr int MaxListWidth = 400;

constexpr std::array<ProgressMeasure, 5> Measures {
    ProgressMeasure::Heaviest, ProgressMeasure::EstimatedMax, ProgressMeasure::Volume,
    ProgressMeasure::MostReps, ProgressMeasure::Sets};

} // namespace

CExercisePage::CExercisePage(const DiaryDatabase &database, QWidget *parent)
    : QWidget(parent)
    , m_database(database)
{
    BuildLayout();
}

void CExercisePage::BuildLayout()
{
    m_emptyState =
        new QLabel(tr("No exercise is marked Done yet.\n\nOpen a day in the diary, fill in what "
                      "you lifted and mark the exercises Done\n(entering a weight does that): "
                      "their progress and records appear here."),
                   this);
    m_emptyState->setAlignment(Qt::AlignCenter);
    m_emptyState->setWordWrap(true);

    m_filter = new QLineEdit(this);
    m_filter->setPlaceholderText(tr("Filter exercises"));
    m_filter->setClearButtonEnabled(true);
    m_filter->setAccessibleName(m_filter->placeholderText());
    m_list = new QTreeWidget(this);
    m_list->setRootIsDecorated(false);
    m_list->setAccessibleName(tr("Exercises"));
    m_list->setUniformRowHeights(true);
    m_list->setHeaderLabels({tr("Exercise"), tr("Days"), tr("Last")});
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    m_list->header()->setSectionResizeMode(DaysColumn, QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(LastColumn, QHeaderView::ResizeToContents);
    m_countFailed = new QCheckBox(tr("Count &failed exercises"), this);

    auto *listPane = new QWidget(this);
    auto *listLayout = new QVBoxLayout(listPane);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->addWidget(m_filter);
    listLayout->addWidget(m_list, 1);
    listLayout->addWidget(m_countFailed);

    m_heading = new QLabel(this);
    QFont headingFont = m_heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.2);
    m_heading->setFont(headingFont);
    m_chart = new CProgressChart(this);
    m_chart->setAccessibleName(tr("Chart"));
    m_records = RecordsTable::Create(this);
    m_records->setAccessibleName(tr("Records"));
    m_records->setTabKeyNavigation(false); // the arrow keys walk the records; Tab moves on

    auto *chartPane = new QWidget(this);
    auto *chartLayout = new QVBoxLayout(chartPane);
    chartLayout->setContentsMargins(0, 0, 0, 0);
    chartLayout->addWidget(m_heading);
    chartLayout->addWidget(BuildControls());
    // Says when a point stands for a week or a month.
    m_periodNote = new QLabel(chartPane);
    m_periodNote->setObjectName(QStringLiteral("periodNote"));
    chartLayout->addWidget(m_periodNote);
    auto *chartAndRecords = new QHBoxLayout;
    chartAndRecords->addWidget(m_chart, 1);
    chartAndRecords->addWidget(m_records);
    chartLayout->addLayout(chartAndRecords, 1);

    m_content = new QSplitter(Qt::Horizontal, this);
    QSplitter *content = m_content;
    content->addWidget(listPane);
    content->addWidget(chartPane);
    content->setStretchFactor(0, 0);
    content->setStretchFactor(1, 1);
    content->setSizes({270, 770});

    m_stack = new QStackedWidget(this);
    m_stack->addWidget(content);
    m_stack->addWidget(m_emptyState);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_stack);

    // Tab follows the layout: the controls above the chart come before it and the records.
    setTabOrder(m_saveImage, m_chart);
    setTabOrder(m_chart, m_records);
    connect(m_filter, &QLineEdit::textChanged, this, &CExercisePage::ApplyFilter);
    connect(m_list, &QTreeWidget::currentItemChanged, this, [this] { ShowChosen(); });
    connect(m_countFailed, &QCheckBox::toggled, this, [this] { Reload(m_today); });
    connect(m_measure, &QComboBox::activated, this, [this] { m_measureFollowsWeight = false; });
    connect(m_measure, &QComboBox::currentIndexChanged, this, &CExercisePage::Redraw);
    connect(m_spans, &QButtonGroup::idClicked, this, &CExercisePage::Redraw);
    connect(m_chart, &CProgressChart::dayClicked, this, &CExercisePage::dayClicked);
    connect(m_chart, &CProgressChart::periodChanged, this, &CExercisePage::ShowPeriodNote);
    connect(m_saveImage, &QPushButton::clicked, this, &CExercisePage::SaveImageAsked);
}

QWidget *CExercisePage::BuildControls()
{
    auto *controls = new QWidget(this);
    auto *layout = new QHBoxLayout(controls);
    layout->setContentsMargins(0, 0, 0, 0);
    m_measure = new QComboBox(controls);
    for (const ProgressMeasure measure : Measures)
        m_measure->addItem(MeasureName(measure), int(measure));
    auto *measureLabel = new QLabel(tr("&Show:"), controls);
    measureLabel->setBuddy(m_measure);
    layout->addWidget(measureLabel);
    layout->addWidget(m_measure);
    layout->addSpacing(12);
    m_spans = new QButtonGroup(controls);
    for (const ChartSpan span : ChartSpans) {
        auto *button = new QToolButton(controls);
        button->setText(ChartSpanName(span));
        button->setCheckable(true);
        button->setAutoRaise(false);
        m_spans->addButton(button, int(span));
        layout->addWidget(button);
    }
    m_spans->button(int(ChartSpan::AllTime))->setChecked(true);
    layout->addStretch(1);
    m_saveImage = new QPushButton(tr("Save &image..."), controls);
    layout->addWidget(m_saveImage);
    return controls;
}

void CExercisePage::Reload(const QDate &today)
{
    QList<ExerciseSummary> exercises =
        ExerciseCatalog::Build(m_database, PerformedFilter {m_countFailed->isChecked()});
    // Most calls follow a change elsewhere in the diary (or none at all): the list and the
    // chart are only rebuilt when what they show changed.
    if (m_loaded && today == m_today && exercises == m_exercises) {
        ShowChosen(true);
        return;
    }
    m_loaded = true;
    m_today = today;
    m_exercises = std::move(exercises);
    m_stack->setCurrentWidget(m_exercises.isEmpty() ? static_cast<QWidget *>(m_emptyState)
                                                    : m_stack->widget(0));
    FillList();
}

void CExercisePage::FillList()
{
    const QString chosenKey = ExerciseName::Key(ChosenExercise());
    const QSignalBlocker blocker(m_list);
    m_list->clear();
    QTreeWidgetItem *chosen = nullptr;
    const QLocale locale = AppLanguage::Locale();
    for (const ExerciseSummary &exercise : m_exercises) {
        auto *item = new QTreeWidgetItem(m_list);
        item->setText(NameColumn, exercise.name);
        item->setText(DaysColumn, QString::number(exercise.trainingDays));
        item->setTextAlignment(DaysColumn, Qt::AlignRight | Qt::AlignVCenter);
        item->setText(LastColumn, locale.toString(exercise.lastDate, QLocale::ShortFormat));
        if (!chosen && ExerciseName::Key(exercise.name) == chosenKey)
            chosen = item;
    }
    ApplyFilter();
    if (!chosen || chosen->isHidden()) {
        chosen = nullptr;
        for (int i = 0; i < m_list->topLevelItemCount() && !chosen; ++i) {
            if (!m_list->topLevelItem(i)->isHidden())
                chosen = m_list->topLevelItem(i);
        }
    }
    m_list->setCurrentItem(chosen);
    FitListToNames();
    ShowChosen();
}

void CExercisePage::FitListToNames()
{
    // The list keeps the room its names need (up to a limit), so that no name is cut while the
    // window has room; the chart takes the rest.
    const QAbstractItemView *view = m_list; // the tree keeps its size hints protected
    int needed = m_list->verticalScrollBar()->sizeHint().width() + 2 * m_list->frameWidth() + 8;
    for (const int column : {NameColumn, DaysColumn, LastColumn})
        needed +=
            std::max(view->sizeHintForColumn(column), m_list->header()->sectionSizeHint(column));
    m_listWidthNeeded = std::min(needed, MaxListWidth);
    GiveListItsRoom();
}

void CExercisePage::GiveListItsRoom()
{
    const QList<int> sizes = m_content->sizes();
    const int total = sizes.value(0) + sizes.value(1);
    const int chartMinimum = m_content->widget(1)->minimumSizeHint().width();
    const int width = std::min(m_listWidthNeeded, total - chartMinimum);
    if (total > 0 && width > sizes.value(0))
        m_content->setSizes({width, total - width});
}

void CExercisePage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    GiveListItsRoom();
}

void CExercisePage::ApplyFilter()
{
    const QString text = m_filter->text().trimmed();
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = m_list->topLevelItem(i);
        item->setHidden(!text.isEmpty() &&
                        !item->text(NameColumn).contains(text, Qt::CaseInsensitive));
    }
    // The chart follows the filter to the first exercise still listed.
    QTreeWidgetItem *current = m_list->currentItem();
    if (current && !current->isHidden())
        return;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        if (!m_list->topLevelItem(i)->isHidden()) {
            m_list->setCurrentItem(m_list->topLevelItem(i));
            return;
        }
    }
}

void CExercisePage::ShowChosen(bool onlyIfChanged)
{
    const QString name = ChosenExercise();
    ExerciseHistory history = name.isEmpty()
        ? ExerciseHistory()
        : ExerciseHistory::Collect(m_database, name, PerformedFilter {m_countFailed->isChecked()});
    const WeightUnit unit = WeightUnitSetting::Read();
    if (onlyIfChanged && unit == m_unit && history.Name() == m_history.Name() &&
        history.Days() == m_history.Days() && history.Records() == m_history.Records())
        return;
    m_unit = unit;
    m_history = std::move(history);
    m_heading->setText(name.isEmpty() ? tr("Choose an exercise on the left") : m_history.Name());
    RecordsTable::Show(m_records, m_history.Records(), m_unit);
    m_saveImage->setEnabled(!m_history.IsEmpty());
    // Body-weight work shows its repetitions; a weighted exercise chosen next shows weights again.
    const bool bodyweight = !m_history.IsEmpty() &&
        std::all_of(m_history.Days().cbegin(), m_history.Days().cend(),
                    [](const ExerciseDayStats &day) { return day.heaviest <= 0.0; });
    const auto measure = ProgressMeasure(m_measure->currentData().toInt());
    if (bodyweight && measure != ProgressMeasure::MostReps && measure != ProgressMeasure::Sets) {
        m_measureFollowsWeight = true;
        ChooseMeasure(ProgressMeasure::MostReps);
    } else if (!bodyweight && m_measureFollowsWeight) {
        m_measureFollowsWeight = false;
        ChooseMeasure(ProgressMeasure::Heaviest);
    }
    Redraw();
}

void CExercisePage::Redraw()
{
    const auto span = ChartSpan(m_spans->checkedId());
    const auto measure = ProgressMeasure(m_measure->currentData().toInt());
    const QString empty = m_history.IsEmpty()
        ? tr("Choose an exercise to see its progress")
        : tr("No training day of %1 in this range").arg(m_history.Name());
    const DateSpan dates = DatesOf(span, m_today, m_calendarSpan);
    m_chart->ShowDays(m_history.Days(), measure, m_unit, dates, empty);
    m_chart->setAccessibleDescription(
        m_history.IsEmpty() ? empty
                            : ChartSummary::Describe(m_history.Name(), measure, m_unit, span,
                                                     m_history.Days(), dates));
    ShowPeriodNote();
}

void CExercisePage::ShowPeriodNote()
{
    m_periodNote->setText(PeriodPoints::Description(
        m_chart->Period(), ProgressMeasure(m_measure->currentData().toInt())));
}

void CExercisePage::SetCalendarSpan(const DateSpan &span)
{
    if (span.first == m_calendarSpan.first && span.last == m_calendarSpan.last)
        return;
    m_calendarSpan = span;
    if (m_spans->checkedId() == int(ChartSpan::Calendar))
        Redraw();
}

bool CExercisePage::ChooseExercise(const QString &name)
{
    const QString key = ExerciseName::Key(name);
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = m_list->topLevelItem(i);
        if (ExerciseName::Key(item->text(NameColumn)) == key) {
            item->setHidden(false);
            m_list->setCurrentItem(item);
            return true;
        }
    }
    return false;
}

QString CExercisePage::ChosenExercise() const
{
    const QTreeWidgetItem *item = m_list->currentItem();
    return item ? item->text(NameColumn) : QString();
}

void CExercisePage::ChooseMeasure(ProgressMeasure measure)
{
    m_measure->setCurrentIndex(m_measure->findData(int(measure)));
}

void CExercisePage::ChooseSpan(ChartSpan span)
{
    m_spans->button(int(span))->setChecked(true);
    Redraw();
}

void CExercisePage::SetCountFailed(bool countFailed)
{
    m_countFailed->setChecked(countFailed);
}

bool CExercisePage::ShowsEmptyState() const
{
    return m_stack->currentWidget() == m_emptyState;
}

QString CExercisePage::ImageTitle() const
{
    const auto span = ChartSpan(m_spans->checkedId());
    QString spanText = ChartSpanName(span);
    const DateSpan dates = DatesOf(span, m_today, m_calendarSpan);
    if (span == ChartSpan::Calendar && dates.first.isValid() && dates.last.isValid())
        spanText = tr("%1 to %2")
                       .arg(AppLanguage::Locale().toString(dates.first, QLocale::ShortFormat),
                            AppLanguage::Locale().toString(dates.last, QLocale::ShortFormat));
    return QStringLiteral("%1 \u2014 %2 \u2014 %3")
        .arg(m_history.Name(), m_measure->currentText(), spanText);
}

bool CExercisePage::SaveImage(const QString &path) const
{
    return m_chart->Picture(ImageTitle()).save(path, "PNG");
}

void CExercisePage::SaveImageAsked()
{
    // "Bench Press (Barbell) - Heaviest weight.png", without the characters file names refuse.
    QString name = QStringLiteral("%1 - %2.png").arg(m_history.Name(), m_measure->currentText());
    static const QRegularExpression refused(QStringLiteral("[/\\\\:*?\"<>|]"));
    name.replace(refused, QStringLiteral("_"));
    const QString path = FileDialog::GetSaveImageFileName(this, tr("Save chart image"), name);
    if (path.isEmpty())
        return;
    if (!SaveImage(path))
        MessageBox::Error(
            this, tr("The chart could not be saved as %1.").arg(QDir::toNativeSeparators(path)));
}
