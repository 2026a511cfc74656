#include "editing/CDayTabCtrl.h"

#include "editing/CEmptyDlg.h"
#include "editing/CGridImageCell.h"
#include "editing/CWorkoutTabBar.h"
#include "editing/DayDlgIds.h"
#include "images/RepbookColours.h"
#include "model/ExerciseColumns.h"
#include "model/TrainingDay.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "widgets/CGridCtrl.h"
#include "widgets/CSpinGridCell.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStyleOptionTabWidgetFrame>

#include <memory>

namespace {

namespace Col = ExerciseColumns;

// Cell types of the grid: one cell class per column that needs its own.
constexpr int CellTypeBase = 100;

int CellTypeOf(int column)
{
    return Col::Info(column).kind == Col::CellKind::Text ? 0 : CellTypeBase + column;
}

// The width a column gets while its menu entry is ticked, before it is sized to its contents.
constexpr int ShownColumnWidth = SettingsKeys::DefaultColumnWidth;

// Space between the pane's frame and the grid or the placeholder.
constexpr int PaneMargin = 4;

} // namespace

CDayTabCtrl::CDayTabCtrl(QWidget *parent)
    : QWidget(parent)
    , m_tabs(new CWorkoutTabBar(this))
    , m_grid(new CGridCtrl(this))
    , m_placeholder(new CEmptyDlg(this))
    , m_columnMenu(new QMenu(this))
    , m_exerciseMenu(new QMenu(this))
{
    m_tabs->setObjectName(QStringLiteral("workoutTabs"));
    m_tabs->setAccessibleName(tr("Workouts"));
    m_tabs->SetImageProvider([this](int index) { return TabImage(index); });
    m_tabs->hide();
    connect(m_tabs, &QTabBar::currentChanged, this, &CDayTabCtrl::OnTabChanged);

    m_boldFont = font();
    m_boldFont.setBold(true);

    m_grid->setObjectName(QStringLiteral("exerciseGrid"));
    m_grid->setAccessibleName(tr("Exercises"));
    m_grid->SetEditable(false);
    m_grid->SetGridBkColour(palette().color(QPalette::Light));
    m_grid->installEventFilter(this);
    RegisterCellClasses();
    connect(m_grid, &CGridCtrl::cellDoubleClicked, this, &CDayTabCtrl::OnCellDoubleClicked);
    connect(m_grid, &CGridCtrl::cellRightClicked, this, &CDayTabCtrl::OnCellRightClicked);
    // An edit that ended is not in the model yet: nothing written in the grid is lost, whatever
    // the host does with the edit.
    connect(m_grid, &CGridCtrl::editEnded, this, [this] { m_gridInSync = false; });

    m_placeholder->setObjectName(QStringLiteral("placeholder"));
    connect(m_placeholder, &CEmptyDlg::hintDoubleClicked, this, &CDayTabCtrl::hintDoubleClicked);

    m_columnMenu->setObjectName(QStringLiteral("columnMenu"));
    for (int col = 0; col < Col::Count; ++col) {
        QAction *action = m_columnMenu->addAction(QString::fromLatin1(Col::Info(col).menuText));
        action->setCheckable(true);
        action->setChecked(true);
        action->setData(DayDlgIds::FirstColumnCommand + col);
        m_columnActions[static_cast<size_t>(col)] = action;
    }

    m_exerciseMenu->setObjectName(QStringLiteral("exerciseStatusMenu"));
    const std::array<std::pair<ProgressStatus, int>, 3> marks {{
        {ProgressStatus::Done, DayDlgIds::MarkDone},
        {ProgressStatus::Failed, DayDlgIds::MarkFailed},
        {ProgressStatus::NotYet, DayDlgIds::MarkNotYet},
    }};
    for (const auto &[status, command] : marks) {
        QAction *action =
            m_exerciseMenu->addAction(tr("Mark exercise(s) as '%1'").arg(StatusName(status)));
        action->setData(command);
    }

    // Keyboard: the next and previous workout from anywhere inside the control.
    const auto addTabShortcut = [this](const QKeySequence &keys, int step) {
        auto *shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, step] { SelectNextTab(step); });
    };
    addTabShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1);
    addTabShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1);

    ShowGrid(false);
    SetHint(DayDlgIds::HintNoWorkouts);
}

CDayTabCtrl::~CDayTabCtrl()
{
    // The host may be going away too: an open edit is taken into the grid without telling it.
    {
        const QSignalBlocker quiet(m_grid);
        if (EndEditing())
            m_gridInSync = false;
    }
    WriteBack();
}

void CDayTabCtrl::RegisterCellClasses()
{
    for (int col = 0; col < Col::Count; ++col) {
        const Col::ColumnInfo &info = Col::Info(col);
        if (info.kind == Col::CellKind::Image) {
            m_grid->RegisterCellClass(CellTypeOf(col), std::make_shared<CGridImageCell>());
        } else if (info.kind == Col::CellKind::Spin) {
            auto cell = std::make_shared<CSpinGridCell>(info.minimum, info.maximum, info.decimals,
                                                        info.step);
            // The column keeps room for the spin box with its arrows.
            CGridCellContext context;
            context.font = info.bold ? m_boldFont : font();
            context.format = info.alignment;
            const std::unique_ptr<QWidget> probe(cell->CreateEditor(nullptr, context));
            if (probe)
                m_minimumWidths[static_cast<size_t>(col)] = probe->sizeHint().width();
            m_grid->RegisterCellClass(CellTypeOf(col), std::move(cell));
        }
    }
}

// ---- Binding and showing ---------------------------------------------------------------------

bool CDayTabCtrl::SetDay(TrainingDay *day)
{
    if (day != m_day) {
        EndEditing();
        WriteBack();
        m_day = day;
    }
    RebuildTabs();
    return true;
}

void CDayTabCtrl::RebuildTabs()
{
    EndEditing();
    if (m_day != nullptr) {
        m_tabImages = StatusImageSet(m_shields, StatusImageSize::Small16);
        m_gridImages = StatusImageSet(m_shields, StatusImageSize::Small16);
    }
    // The grid's rows belong to the old list of workouts: nothing of them is written back.
    m_shownWorkout = -1;
    m_gridInSync = true;

    SetTabsSilently(-1);
    if (m_day == nullptr || m_day->IsEmpty()) {
        ClearGrid();
        ShowGrid(false);
        m_tabs->hide();
        SetHint(DayDlgIds::HintNoWorkouts);
        PlaceChildren();
        emit shownWorkoutStatusChanged(-1);
        return;
    }

    {
        const QSignalBlocker quiet(m_tabs);
        for (int i = 0; i < m_day->GetWorkoutCount(); ++i)
            m_tabs->AddNamedTab(m_day->GetWorkout(i)->GetName());
        m_tabs->setCurrentIndex(0);
    }
    m_tabs->show();
    PlaceChildren();
    ShowWorkout(0);
}

void CDayTabCtrl::ShowWorkout(int index)
{
    EndEditing();
    if (index >= 0 && index == m_shownWorkout)
        WriteBack();
    else
        m_shownWorkout = index;
    UpdateTabSpeech();

    ClearGrid();
    m_grid->SetFixedRowCount(1);
    for (int col = 0; col < Col::Count; ++col) {
        const Col::ColumnInfo &info = Col::Info(col);
        m_grid->InsertColumn(QString::fromLatin1(info.heading), info.alignment);
    }
    ReadColumnTicks();
    m_grid->SetListMode(true);
    m_grid->SetGridBkColour(RepbookColours::For(palette()).oddRow);

    const Workout *workout = WorkoutAt(index);
    if (workout == nullptr || workout->IsEmpty()) {
        ShowGrid(false);
        if (workout != nullptr)
            SetHint(DayDlgIds::HintNoExercises);
        emit shownWorkoutStatusChanged(workout != nullptr ? index : -1);
        return;
    }
    SetHint(DayDlgIds::NoHint);
    ShowGrid(true);

    for (int i = 0; i < workout->GetExerciseCount(); ++i) {
        const int row = m_grid->InsertRow();
        FillRow(row, *workout->GetExercise(i));
    }
    LayoutColumns();
    m_grid->ClearSelection();
    m_grid->SetFocusCell(1, Col::Exercise);
    emit shownWorkoutStatusChanged(index);
}

int CDayTabCtrl::SelectWorkout(int index)
{
    EndEditing();
    WriteBack();
    if (index >= 0 && index < m_tabs->count()) {
        SetTabsSilently(index);
        ShowWorkout(index);
    }
    return GetCurSel();
}

void CDayTabCtrl::OnTabChanged(int index)
{
    if (m_changingTabs)
        return;
    EndEditing();
    WriteBack();
    ShowWorkout(index);
}

void CDayTabCtrl::SelectNextTab(int step)
{
    const int count = m_tabs->count();
    if (count < 2)
        return;
    m_tabs->setCurrentIndex((qMax(0, GetCurSel()) + step + count) % count);
}

void CDayTabCtrl::SetTabsSilently(int index)
{
    m_changingTabs = true;
    if (index < 0) {
        while (m_tabs->count() > 0)
            m_tabs->removeTab(m_tabs->count() - 1);
    } else {
        m_tabs->setCurrentIndex(index);
    }
    m_changingTabs = false;
}

void CDayTabCtrl::ClearGrid()
{
    m_grid->DeleteAllItems();
}

void CDayTabCtrl::FillRow(int row, const ExerciseEntry &exercise)
{
    const Col::RowTexts texts = Col::TextsOf(exercise);
    for (int col = 0; col < Col::Count; ++col) {
        m_grid->SetItemText(row, col, texts[static_cast<size_t>(col)]);
        m_grid->SetCellType(row, col, CellTypeOf(col));
        if (Col::Info(col).bold)
            m_grid->SetItemFont(row, col, m_boldFont);
    }
    m_grid->SetItemImage(row, Col::Status, GridImage(exercise.GetStatus()));
    m_grid->SetItemProperty(row, Col::Status, Qt::AccessibleTextRole,
                            StatusName(ShownStatus(exercise.GetStatus())));
    ColourRow(row);
}

void CDayTabCtrl::ColourRow(int row)
{
    const RepbookColours &colours = RepbookColours::For(palette());
    const QColor background = row % 2 == 1 ? colours.oddRow : colours.evenRow;
    for (int col = 0; col < Col::Count; ++col)
        m_grid->SetItemBkColour(row, col, background);
    m_grid->SetItemFgColour(row, Col::Exercise, colours.exerciseName);
}

void CDayTabCtrl::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::PaletteChange || m_grid->GetColumnCount() != Col::Count)
        return;
    // The rows keep their colours as cell values: they follow a new appearance here.
    m_grid->SetGridBkColour(RepbookColours::For(palette()).oddRow);
    for (int row = 1; row < m_grid->GetRowCount(); ++row)
        ColourRow(row);
}

void CDayTabCtrl::RefreshRows()
{
    const Workout *workout = WorkoutAt(m_shownWorkout);
    if (workout == nullptr || m_grid->GetColumnCount() != Col::Count)
        return;
    const int rows = qMin(workout->GetExerciseCount(), m_grid->GetRowCount() - 1);
    for (int i = 0; i < rows; ++i)
        FillRow(i + 1, *workout->GetExercise(i));
    // An edited text may need more room, or give some back, so the columns are laid out again.
    LayoutColumns();
    m_tabs->update();
}

bool CDayTabCtrl::WriteBack()
{
    if (m_grid->GetColumnCount() == Col::Count)
        StoreColumnWidths();
    if (m_gridInSync)
        return false;
    Workout *workout = WorkoutAt(m_shownWorkout);
    if (WorkoutAt(GetCurSel()) != nullptr && workout != nullptr &&
        m_grid->GetColumnCount() == Col::Count) {
        // Never more rows than the workout has exercises, nor than the grid shows.
        const int rows = qMin(workout->GetExerciseCount(), m_grid->GetRowCount() - 1);
        for (int i = 0; i < rows; ++i) {
            Col::RowTexts texts;
            for (int col = 0; col < Col::Count; ++col)
                texts[static_cast<size_t>(col)] = m_grid->GetItemText(i + 1, col);
            Col::ApplyTexts(*workout->GetExercise(i), texts);
        }
    }
    m_gridInSync = true;
    return true;
}

bool CDayTabCtrl::EndEditing()
{
    if (!m_grid->IsEditing())
        return false;
    // The open editor is the one shown child of the grid's viewport.
    QWidget *editor = nullptr;
    const QList<QWidget *> children =
        m_grid->viewport()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *child : children) {
        if (!child->isHidden() && !child->isWindow()) {
            editor = child;
            break;
        }
    }
    if (editor == nullptr)
        return false;
    QAbstractItemDelegate *delegate = m_grid->itemDelegate();
    emit delegate->commitData(editor);
    emit delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
    return true;
}

// ---- State -----------------------------------------------------------------------------------

void CDayTabCtrl::SetProgramMode(bool programMode)
{
    m_programMode = programMode;
    UpdateTabSpeech();
    m_tabs->update();
}

void CDayTabCtrl::SetHint(int hintId)
{
    m_placeholder->SetHint(hintId);
    if (hintId != 0)
        m_placeholder->raise();
    PlaceChildren();
}

int CDayTabCtrl::GetHint() const
{
    return m_placeholder->GetHint();
}

int CDayTabCtrl::GetTabCount() const
{
    return m_tabs->count();
}

int CDayTabCtrl::GetCurSel() const
{
    return m_tabs->currentIndex();
}

Workout *CDayTabCtrl::WorkoutAt(int index) const
{
    if (m_day == nullptr || index < 0 || index >= m_day->GetWorkoutCount())
        return nullptr;
    return m_day->GetWorkout(index);
}

Workout *CDayTabCtrl::SelectedWorkout() const
{
    return WorkoutAt(GetCurSel());
}

ExerciseEntry *CDayTabCtrl::ExerciseAt(int row) const
{
    Workout *workout = WorkoutAt(m_shownWorkout);
    if (workout == nullptr || row < 1 || row > workout->GetExerciseCount())
        return nullptr;
    return workout->GetExercise(row - 1);
}

ProgressStatus CDayTabCtrl::ShownStatus(ProgressStatus status) const
{
    return m_programMode ? ProgressStatus::NotYet : status;
}

const QPixmap *CDayTabCtrl::GridImage(ProgressStatus status) const
{
    return &m_gridImages.ForStatus(static_cast<int>(ShownStatus(status)));
}

const QPixmap *CDayTabCtrl::TabImage(int index) const
{
    const Workout *workout = WorkoutAt(index);
    if (workout == nullptr)
        return nullptr;
    return &m_tabImages.ForStatus(static_cast<int>(ShownStatus(workout->GetStatus())));
}

void CDayTabCtrl::UpdateTabSpeech()
{
    for (int i = 0; i < m_tabs->count(); ++i) {
        if (const Workout *workout = WorkoutAt(i))
            m_tabs->SetTabStatus(i, StatusName(ShownStatus(workout->GetStatus())));
    }
}

// ---- Columns ---------------------------------------------------------------------------------

void CDayTabCtrl::ReadColumnTicks()
{
    const SettingsStore store;
    for (int col = 0; col < Col::Count; ++col) {
        const int width = store.Read(SettingsKeys::ExerciseColumns[static_cast<size_t>(col)]);
        if (col < m_grid->GetColumnCount())
            m_grid->SetColumnWidth(col, width);
        m_columnActions[static_cast<size_t>(col)]->setChecked(width != 0);
    }
}

void CDayTabCtrl::ReloadColumnSettings()
{
    ReadColumnTicks();
    LayoutColumns();
}

void CDayTabCtrl::StoreColumnWidths()
{
    SettingsStore store;
    for (int col = 0; col < Col::Count; ++col) {
        const auto &key = SettingsKeys::ExerciseColumns[static_cast<size_t>(col)];
        const int width = m_grid->GetColumnWidth(col);
        // Only changed values are written: every write goes to disk at once.
        if (store.Read(key) != width)
            store.Write(key, width);
    }
}

int CDayTabCtrl::LayoutWidth() const
{
    // The width the columns can fill once the rows are in: the grid's inside less the vertical
    // scroll bar when the rows will need one (the grid places its scroll bars later).
    const int frame = m_grid->frameWidth();
    int width = m_grid->width() - 2 * frame;
    int rowsHeight = 0;
    for (int row = 1; row < m_grid->GetRowCount(); ++row)
        rowsHeight += m_grid->GetRowHeight(row);
    const int available = m_grid->height() - 2 * frame - m_grid->GetRowHeight(0);
    if (m_grid->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff && rowsHeight > available)
        width -= m_grid->verticalScrollBar()->sizeHint().width();
    return qMax(0, width);
}

void CDayTabCtrl::LayoutColumns()
{
    if (m_grid->GetColumnCount() != Col::Count)
        return;
    bool anyDataColumn = false;
    for (int col = Col::Exercise; col < Col::Count; ++col)
        anyDataColumn = anyDataColumn || m_columnActions[static_cast<size_t>(col)]->isChecked();
    // Without a column to read the exercises by, the names are shown.
    if (!anyDataColumn)
        m_columnActions[Col::Exercise]->setChecked(true);

    int dataColumns = 0;
    int last = -1;
    for (int col = 0; col < Col::Count; ++col) {
        const bool shown = m_columnActions[static_cast<size_t>(col)]->isChecked();
        m_grid->SetColumnWidth(col, shown ? ShownColumnWidth : 0);
        if (shown) {
            dataColumns += col == Col::Status ? 0 : 1;
            last = col;
        }
    }

    m_grid->AutoSizeRows();
    m_grid->AutoSizeColumns();
    int total = 0;
    for (int col = 0; col < Col::Count; ++col) {
        const int width = m_grid->GetColumnWidth(col);
        if (width == 0)
            continue;
        const int wanted = qMax(width, m_minimumWidths[static_cast<size_t>(col)]);
        m_grid->SetColumnWidth(col, wanted);
        total += wanted;
    }
    // With the notes shown, or a single column to read, the columns fill the width.
    const int width = LayoutWidth();
    const bool fill = m_columnActions[Col::Note]->isChecked() || dataColumns == 1;
    if (fill && last >= 0 && total < width)
        m_grid->SetColumnWidth(last, m_grid->GetColumnWidth(last) + width - total);
    m_grid->viewport()->update();
    m_grid->horizontalHeader()->viewport()->update();
}

void CDayTabCtrl::ToggleColumn(int column)
{
    if (column < 0 || column >= Col::Count)
        return;
    QAction *action = m_columnActions[static_cast<size_t>(column)];
    if (action->isChecked()) {
        // A column is hidden only while at least two columns after the status column are in
        // view, so the grid never loses its last readable column.
        int inView = 0;
        for (int col = Col::Exercise; col < Col::Count; ++col)
            inView += m_grid->IsCellVisible(0, col) ? 1 : 0;
        if (inView >= 2)
            action->setChecked(false);
    } else {
        action->setChecked(true);
    }
    LayoutColumns();
    if (m_grid->GetColumnCount() == Col::Count)
        StoreColumnWidths();
}

// ---- Mouse -----------------------------------------------------------------------------------

void CDayTabCtrl::OnCellDoubleClicked(int row, int col)
{
    if (col == Col::Status && row >= 1 && m_grid->IsEditable())
        CycleStatus(row);
}

void CDayTabCtrl::OnCellRightClicked(int row, int col, const QPoint &globalPos)
{
    if (row == 0)
        ShowColumnMenu(globalPos);
    else if (row >= 1 && row < m_grid->GetRowCount())
        ShowExerciseMenu(row, col, globalPos);
}

void CDayTabCtrl::ShowColumnMenu(const QPoint &globalPos)
{
    QAction *chosen = m_columnMenu->exec(globalPos);
    if (chosen == nullptr)
        return;
    // The menu ticked or unticked the entry itself; whether that may stand is decided here.
    chosen->setChecked(!chosen->isChecked());
    ToggleColumn(chosen->data().toInt() - DayDlgIds::FirstColumnCommand);
}

void CDayTabCtrl::ShowExerciseMenu(int row, int col, const QPoint &globalPos)
{
    const QAction *chosen = m_exerciseMenu->exec(globalPos);
    if (chosen == nullptr)
        return;
    switch (chosen->data().toInt()) {
    case DayDlgIds::MarkDone:
        MarkSelectedExercises(ProgressStatus::Done, row, col);
        break;
    case DayDlgIds::MarkFailed:
        MarkSelectedExercises(ProgressStatus::Failed, row, col);
        break;
    case DayDlgIds::MarkNotYet:
        MarkSelectedExercises(ProgressStatus::NotYet, row, col);
        break;
    default:
        break;
    }
}

QList<int> CDayTabCtrl::SelectedRows(int column) const
{
    QList<int> rows;
    const CCellRange range = m_grid->GetSelectedCellRange();
    if (!range.IsValid())
        return rows;
    for (int row = qMax(1, range.minRow); row <= range.maxRow; ++row) {
        if (m_grid->IsCellSelected(row, column))
            rows.append(row);
    }
    return rows;
}

void CDayTabCtrl::SelectRows(const QList<int> &rows)
{
    m_grid->ClearSelection();
    QItemSelection selection;
    for (const int row : rows) {
        if (row < 1 || row >= m_grid->GetRowCount())
            continue;
        const QModelIndex index = m_grid->model()->index(row - 1, 0);
        selection.select(index, index);
    }
    m_grid->selectionModel()->select(selection,
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void CDayTabCtrl::MarkSelectedExercises(ProgressStatus status, int focusRow, int focusCol)
{
    EndEditing();
    WriteBack();
    const QList<int> rows = SelectedRows(Col::Exercise);
    for (const int row : rows) {
        if (ExerciseEntry *exercise = ExerciseAt(row))
            exercise->SetStatus(status);
    }
    ShowWorkout(m_shownWorkout);
    SelectRows(rows);
    m_grid->SetFocusCell(focusRow, focusCol);
}

void CDayTabCtrl::CycleStatus(int row)
{
    EndEditing();
    WriteBack();
    ExerciseEntry *exercise = ExerciseAt(row);
    if (exercise == nullptr)
        return;
    switch (exercise->GetStatus()) {
    case ProgressStatus::NotYet:
        exercise->SetStatus(ProgressStatus::Done);
        break;
    case ProgressStatus::Done:
        exercise->SetStatus(ProgressStatus::Failed);
        break;
    default:
        exercise->SetStatus(ProgressStatus::NotYet);
        break;
    }
    const QList<int> rows = SelectedRows(Col::Status);
    const CCellID focus = m_grid->GetFocusCell();
    ShowWorkout(m_shownWorkout);
    SelectRows(rows);
    m_grid->SetFocusCell(focus);
}

// ---- Geometry and keyboard -------------------------------------------------------------------

QRect CDayTabCtrl::PaneRect() const
{
    if (m_tabs->isHidden())
        return rect();
    QStyleOptionTab option;
    const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, &option, m_tabs);
    return rect().adjusted(0, qMax(0, m_tabs->height() - overlap), 0, 0);
}

void CDayTabCtrl::PlaceChildren()
{
    if (!m_tabs->isHidden())
        m_tabs->setGeometry(0, 0, width(), m_tabs->sizeHint().height());
    const QRect inner = PaneRect().adjusted(PaneMargin, PaneMargin, -PaneMargin, -PaneMargin);
    m_grid->setGeometry(inner);
    m_placeholder->setGeometry(inner);
    m_tabs->raise();
    update();
}

void CDayTabCtrl::ShowGrid(bool show)
{
    m_grid->setVisible(show);
    setFocusProxy(show ? static_cast<QWidget *>(m_grid) : static_cast<QWidget *>(m_tabs));
}

QSize CDayTabCtrl::sizeHint() const
{
    return QSize(560, 300);
}

QSize CDayTabCtrl::minimumSizeHint() const
{
    return QSize(240, m_tabs->sizeHint().height() + 80);
}

void CDayTabCtrl::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    PlaceChildren();
    if (!m_grid->isHidden())
        LayoutColumns();
}

void CDayTabCtrl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = PaneRect();
    frame.shape = QTabBar::RoundedNorth;
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    if (!m_tabs->isHidden()) {
        frame.tabBarSize = m_tabs->size();
        frame.tabBarRect = m_tabs->geometry();
        frame.selectedTabRect = m_tabs->tabRect(m_tabs->currentIndex());
    }
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
}

bool CDayTabCtrl::eventFilter(QObject *watched, QEvent *event)
{
    // Enter on a cell of an editable grid opens its editor, as F2 does.
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const auto modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if (enter && modifiers == Qt::NoModifier && !m_grid->IsEditing()) {
            const CCellID focus = m_grid->GetFocusCell();
            if (focus.IsValid() && m_grid->IsCellEditable(focus.row, focus.col)) {
                m_grid->EditCell(focus.row, focus.col);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}
