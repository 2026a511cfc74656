#include "progress/CProgressDlg.h"

#include "model/Clock.h"
#include "progress/CConsistencyPage.h"
#include "progress/CExercisePage.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

CProgressDlg::CProgressDlg(const DiaryDatabase &database, QWidget *parent)
    : CResizingDialog(DialogId, parent)
    , m_exercises(new CExercisePage(database, this))
    , m_consistency(new CConsistencyPage(database, this))
    , m_pages(new QTabWidget(this))
    , m_updateTimer(new QTimer(this))
{
    setWindowTitle(tr("Progress"));
    setModal(false);
    m_pages->addTab(m_exercises, tr("&Exercises"));
    m_pages->addTab(m_consistency, tr("&Consistency"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages, 1);
    layout->addWidget(buttons);
    SetDesignedSize(QSize(1280, 720));

    m_updateTimer->setSingleShot(true);
    m_updateTimer->setInterval(0);
    connect(m_updateTimer, &QTimer::timeout, this, &CProgressDlg::UpdateNow);
    connect(buttons, &QDialogButtonBox::rejected, this, &CProgressDlg::reject);
    connect(m_exercises, &CExercisePage::dayClicked, this, &CProgressDlg::dateChosen);
    connect(m_consistency, &CConsistencyPage::dayClicked, this, &CProgressDlg::dateChosen);
}

void CProgressDlg::DiaryChanged()
{
    m_stale = true;
    if (isVisible())
        m_updateTimer->start();
}

void CProgressDlg::UpdateNow()
{
    m_updateTimer->stop();
    m_stale = false;
    const QDate today = Clock::Today();
    m_exercises->Reload(today);
    m_consistency->Reload(today);
}

void CProgressDlg::SetCalendarSpan(const DateSpan &span)
{
    m_exercises->SetCalendarSpan(span);
}

void CProgressDlg::showEvent(QShowEvent *event)
{
    if (m_stale)
        UpdateNow();
    CResizingDialog::showEvent(event);
}
