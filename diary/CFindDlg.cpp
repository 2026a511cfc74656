#include "diary/CFindDlg.h"

#include "diary/FindResultsModel.h"
#include "translations/AppLanguage.h"
#include "widgets/CHighlightDelegate.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QShortcut>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// A search of the twenty-year diary takes a few milliseconds; the pause only spares searches
// for keys typed in quick succession.
constexpr int TypingPauseMs = 60;

bool IsEnter(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace

CFindDlg::CFindDlg(const DiaryDatabase &database, QWidget *parent)
    : CResizingDialog(DialogId, parent)
    , m_database(database)
    , m_field(new QLineEdit(this))
    , m_results(new QTreeView(this))
    , m_model(new FindResultsModel(this))
    , m_summary(new QLabel(this))
    , m_typingTimer(new QTimer(this))
    , m_changeTimer(new QTimer(this))
{
    setWindowTitle(tr("Find"));
    setModal(false);

    auto *label = new QLabel(tr("Fi&nd:"), this);
    label->setBuddy(m_field);
    m_field->setAccessibleName(tr("Find"));
    m_field->setPlaceholderText(tr("Workout, exercise or note"));
    m_field->setClearButtonEnabled(true);
    m_field->installEventFilter(this);

    m_results->setAccessibleName(tr("Results"));
    m_results->setModel(m_model);
    m_results->setItemDelegateForColumn(FindResultsModel::TextColumn,
                                        new CHighlightDelegate(m_results));
    m_results->setRootIsDecorated(false);
    m_results->setUniformRowHeights(true);
    m_results->setAlternatingRowColors(true);
    m_results->setSelectionMode(QAbstractItemView::SingleSelection);
    m_results->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_results->setAllColumnsShowFocus(true);
    m_results->installEventFilter(this);
    // Fixed widths for date and place: measuring the contents of a hundred thousand rows would
    // cost more than the search.
    const QFontMetrics metrics(m_results->font());
    const int padding = 3 * metrics.averageCharWidth();
    QHeaderView *header = m_results->header();
    header->setStretchLastSection(true);
    header->setSectionsMovable(false);
    header->resizeSection(FindResultsModel::DateColumn,
                          metrics.horizontalAdvance(AppLanguage::Locale().toString(
                              QDate(2000, 12, 28), QLocale::ShortFormat)) +
                              padding);
    int whereWidth = metrics.horizontalAdvance(
        m_model->headerData(FindResultsModel::WhereColumn, Qt::Horizontal).toString());
    for (const SearchField field : {SearchField::DayNote, SearchField::Workout,
                                    SearchField::Exercise, SearchField::ExerciseNote})
        whereWidth =
            std::max(whereWidth, metrics.horizontalAdvance(FindResultsModel::WhereText(field)));
    header->resizeSection(FindResultsModel::WhereColumn, whereWidth + padding);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto *fieldRow = new QHBoxLayout;
    fieldRow->addWidget(label);
    fieldRow->addWidget(m_field, 1);
    auto *bottomRow = new QHBoxLayout;
    bottomRow->addWidget(m_summary, 1);
    bottomRow->addWidget(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fieldRow);
    layout->addWidget(m_results, 1);
    layout->addLayout(bottomRow);
    SetDesignedSize(QSize(620, 440));

    m_typingTimer->setSingleShot(true);
    m_typingTimer->setInterval(TypingPauseMs);
    m_changeTimer->setSingleShot(true);
    m_changeTimer->setInterval(0);
    connect(m_typingTimer, &QTimer::timeout, this, &CFindDlg::SearchNow);
    connect(m_changeTimer, &QTimer::timeout, this, &CFindDlg::SearchNow);
    connect(m_field, &QLineEdit::textChanged, m_typingTimer, qOverload<>(&QTimer::start));
    connect(m_results, &QTreeView::clicked, this,
            [this](const QModelIndex &index) { Choose(index, true); });
    connect(buttons, &QDialogButtonBox::rejected, this, &CFindDlg::reject);
    // Ctrl+F, which opened the window, also leads back to its field from the results.
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this,
            &CFindDlg::FocusField);
    UpdateSummary();
}

void CFindDlg::DiaryChanged()
{
    m_stale = true;
    if (isVisible())
        m_changeTimer->start();
}

void CFindDlg::FocusField()
{
    m_field->setFocus(Qt::ShortcutFocusReason);
    m_field->selectAll();
}

void CFindDlg::showEvent(QShowEvent *event)
{
    if (m_stale)
        SearchNow();
    CResizingDialog::showEvent(event);
}

void CFindDlg::SearchNow()
{
    m_typingTimer->stop();
    m_changeTimer->stop();
    if (m_stale) {
        m_search.Rebuild(m_database);
        m_stale = false;
    }
    // The chosen result stays chosen when it is still among the results.
    const QModelIndex current = m_results->currentIndex();
    const SearchMatch chosen =
        current.isValid() ? m_model->Matches().value(current.row()) : SearchMatch {};
    const QList<SearchMatch> matches = m_search.Find(m_field->text());
    if (m_model->SetMatches(matches)) {
        const qsizetype row = current.isValid() ? matches.indexOf(chosen) : -1;
        if (row >= 0)
            m_results->setCurrentIndex(m_model->index(int(row), current.column()));
    }
    UpdateSummary();
}

void CFindDlg::UpdateSummary()
{
    const qsizetype count = m_model->rowCount();
    if (!DiarySearch::HasSomethingToFind(m_field->text()))
        m_summary->setText(tr("Type to find workouts, exercises and notes."));
    else if (count == 0)
        m_summary->setText(tr("No match."));
    else
        m_summary->setText(count == 1 ? tr("1 match.")
                                      : tr("%1 matches.").arg(QLocale().toString(count)));
}

void CFindDlg::Choose(const QModelIndex &index, bool keepFocus)
{
    if (!index.isValid())
        return;
    emit dateChosen(m_model->data(index, Qt::UserRole).toDate());
    // A click lets the user look at the day and go on with the results; Enter goes to the day.
    if (keepFocus)
        activateWindow();
}

bool CFindDlg::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return CResizingDialog::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (watched == m_field) {
        if (IsEnter(key)) {
            SearchNow(); // the results of the text as typed, without waiting for the pause
            const QModelIndex current = m_results->currentIndex();
            Choose(current.isValid() ? current : m_model->index(0, 0), false);
            return true;
        }
        if (key->key() == Qt::Key_Down || key->key() == Qt::Key_PageDown) {
            SearchNow();
            if (m_model->rowCount() == 0)
                return true;
            if (!m_results->currentIndex().isValid())
                m_results->setCurrentIndex(m_model->index(0, 0));
            m_results->setFocus(Qt::TabFocusReason);
            return true;
        }
    } else if (watched == m_results) {
        if (IsEnter(key)) {
            Choose(m_results->currentIndex(), false);
            return true;
        }
        if (key->key() == Qt::Key_Up && m_results->currentIndex().row() <= 0) {
            m_field->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return CResizingDialog::eventFilter(watched, event);
}
