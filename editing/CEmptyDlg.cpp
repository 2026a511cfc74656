#include "editing/CEmptyDlg.h"

#include "editing/DayDlgIds.h"
#include "images/ImageIds.h"
#include "images/ResourceImages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>

namespace {

// The text keeps to a comfortable line length however wide the panel grows.
constexpr int TextWidth = 300;

} // namespace

CEmptyDlg::CEmptyDlg(QWidget *parent)
    : QWidget(parent)
    , m_picture(new QLabel(this))
    , m_text(new QLabel(tr("You must not see this."), this))
{
    m_picture->setObjectName(QStringLiteral("hintPicture"));
    m_picture->setPixmap(ResourceImages::Pixmap(ImageId::PictureHint));
    m_picture->setAlignment(Qt::AlignCenter);
    m_text->setObjectName(QStringLiteral("hintText"));
    m_text->setWordWrap(true);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setFixedWidth(TextWidth);
    QFont bold = font();
    bold.setBold(true);
    m_text->setFont(bold);

    // Picture and text stay centred as a group.
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(m_picture);
    row->addSpacing(12);
    row->addWidget(m_text);
    row->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addLayout(row);
    layout->addStretch(1);

    setAutoFillBackground(true);
    hide();
}

QString CEmptyDlg::HintText(int hintId)
{
    switch (hintId) {
    case DayDlgIds::HintEmptyProgram:
        return tr("This is an empty training program. To open existing training program double "
                  "click on this window.");
    case DayDlgIds::HintNoWorkouts:
        return tr("There are no workouts dated to this day. To add new workout double click on "
                  "this window.");
    case DayDlgIds::HintNoExercises:
        return tr("There are no exercises planned on this workout. To add new exercise double "
                  "click on this window.");
    case DayDlgIds::HintOutsideRange:
        return tr("No workouts can be dated to this day. Change the display range.");
    default:
        return QString();
    }
}

void CEmptyDlg::SetHint(int hintId)
{
    m_hint = hintId;
    if (hintId == 0) {
        hide();
        return;
    }
    m_text->setText(HintText(hintId));
    show();
}

QString CEmptyDlg::GetText() const
{
    return m_text->text();
}

void CEmptyDlg::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_hint != 0) {
        event->accept();
        emit hintDoubleClicked(m_hint);
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}
