#include "editing/CApplyProgramDlg.h"

#include "images/ImageIds.h"
#include "images/ResourceImages.h"
#include "translations/AppLanguage.h"
#include "widgets/CPictureButton.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

// The boxes' object names, the same in every language.
constexpr std::array<const char *, CApplyProgramDlg::WeekdayCount> EnglishWeekdays {
    "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};

// Ticked when the dialog opens: Monday, Wednesday and Friday.
constexpr std::array<bool, CApplyProgramDlg::WeekdayCount> InitiallyChosen = {
    true, false, true, false, true, false, false};

} // namespace

CApplyProgramDlg::CApplyProgramDlg(QWidget *parent)
    : QDialog(parent)
    , m_okButton(new CPictureButton(ImageId::SmallButtonOk, tr("OK"), this))
    , m_cancelButton(new CPictureButton(ImageId::SmallButtonCancel, tr("Cancel"), this))
{
    setWindowTitle(tr("Apply program"));
    setWindowIcon(ResourceImages::AppIcon(ImageId::AppIcon));

    auto *group = new QGroupBox(tr("Choose days"), this);
    auto *boxes = new QVBoxLayout(group);
    for (int i = 0; i < WeekdayCount; ++i) {
        auto *box = new QCheckBox(WeekdayName(i), group);
        box->setObjectName(QString::fromLatin1(EnglishWeekdays[static_cast<size_t>(i)]).toLower());
        box->setChecked(InitiallyChosen[static_cast<size_t>(i)]);
        boxes->addWidget(box);
        m_boxes[static_cast<size_t>(i)] = box;
    }

    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    connect(m_okButton, &CPictureButton::clicked, this, &QDialog::accept);
    connect(m_cancelButton, &CPictureButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_boxes.front()->setFocus(Qt::OtherFocusReason);
}

QString CApplyProgramDlg::WeekdayName(int weekdayIndex)
{
    if (weekdayIndex < 0 || weekdayIndex >= WeekdayCount)
        return QString();
    return AppLanguage::WeekdayName(weekdayIndex + 1);
}

QCheckBox *CApplyProgramDlg::WeekdayBox(int weekdayIndex) const
{
    if (weekdayIndex < 0 || weekdayIndex >= WeekdayCount)
        return nullptr;
    return m_boxes[static_cast<size_t>(weekdayIndex)];
}

bool CApplyProgramDlg::IsWeekdayChosen(int weekdayIndex) const
{
    const QCheckBox *box = WeekdayBox(weekdayIndex);
    return box != nullptr && box->isChecked();
}

bool CApplyProgramDlg::IsDayChosen(const DateValue &date) const
{
    return IsWeekdayChosen(date.GetDayOfWeekIndex());
}
