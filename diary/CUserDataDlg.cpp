#include "diary/CUserDataDlg.h"

#include "images/ImageIds.h"
#include "images/ResourceImages.h"
#include "settings/SettingsStore.h"
#include "settings/WeightUnitSetting.h"
#include "widgets/CPictureButton.h"
#include "widgets/CSectionHeading.h"
#include "widgets/CWrappingNumberEdit.h"
#include "widgets/EnterKey.h"
#include "widgets/MessageBox.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

constexpr int FieldWidth = 240;
constexpr int SectionGap = 6;

QLineEdit *MakeTextField(const QString &name, QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setMinimumWidth(FieldWidth);
    return field;
}

QLineEdit *MakePasswordField(const QString &name, QWidget *parent)
{
    QLineEdit *field = MakeTextField(name, parent);
    field->setEchoMode(QLineEdit::Password);
    return field;
}

} // namespace

CUserDataDlg::CUserDataDlg(QWidget *parent)
    : QDialog(parent)
    , m_okButton(new CPictureButton(ImageId::ButtonOk, tr("OK"), this))
    , m_cancelButton(new CPictureButton(ImageId::ButtonCancel, tr("Cancel"), this))
{
    setWindowTitle(tr("User data"));
    setObjectName(QStringLiteral("CUserDataDlg"));
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);

    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(SectionGap + 6);
    layout->addWidget(BuildTextSections());
    layout->addWidget(BuildMeasurementSection());
    layout->addSpacing(4);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_okButton, &CPictureButton::clicked, this, &CUserDataDlg::accept);
    connect(m_cancelButton, &CPictureButton::clicked, this, &CUserDataDlg::reject);
    SetData(m_data);
    QWidget *order[] = {m_firstName, m_lastName, m_password, m_confirmation, m_height,
                        m_weight,    m_chest,    m_biceps,   m_okButton,     m_cancelButton};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    m_firstName->setFocus();
}

QWidget *CUserDataDlg::BuildTextSections()
{
    // One grid for both sections, so that the fields of both line up.
    auto *sections = new QWidget(this);
    m_firstName = MakeTextField(QStringLiteral("firstNameField"), sections);
    m_lastName = MakeTextField(QStringLiteral("lastNameField"), sections);
    m_password = MakePasswordField(QStringLiteral("passwordField"), sections);
    m_confirmation = MakePasswordField(QStringLiteral("confirmationField"), sections);

    auto *grid = new QGridLayout(sections);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setColumnStretch(1, 1);
    int row = 0;
    const auto addHeading = [&](const QString &title) {
        if (row > 0)
            grid->addItem(new QSpacerItem(0, SectionGap), row++, 0);
        grid->addWidget(new CSectionHeading(title, sections), row++, 0, 1, 2);
    };
    const auto addField = [&](const QString &label, QLineEdit *field) {
        auto *caption = new QLabel(label, sections);
        caption->setBuddy(field);
        grid->addWidget(caption, row, 0);
        grid->addWidget(field, row++, 1);
    };
    addHeading(tr("Common"));
    addField(tr("First name:"), m_firstName);
    addField(tr("Last name:"), m_lastName);
    addHeading(tr("Security"));
    addField(tr("Password:"), m_password);
    addField(tr("Confirmation:"), m_confirmation);
    return sections;
}

QWidget *CUserDataDlg::BuildMeasurementSection()
{
    auto *section = new QWidget(this);
    auto *picture = new QLabel(section);
    picture->setObjectName(QStringLiteral("anthropometricsPicture"));
    picture->setPixmap(ResourceImages::Pixmap(ImageId::PictureAnthropometrics));
    picture->setAlignment(Qt::AlignCenter);

    m_numberGrid = new QWidget(section);
    auto *grid = new QGridLayout(m_numberGrid);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setColumnStretch(3, 1);
    m_height = AddNumberField(QStringLiteral("heightField"), tr("Height:"), 50, 250, tr("cm"));
    m_unit = WeightUnitSetting::Read();
    m_weight =
        AddNumberField(QStringLiteral("weightField"), tr("Weight:"), qRound(m_unit.Shown(30)),
                       qRound(m_unit.Shown(200)), m_unit.ShownSymbol());
    m_chest = AddNumberField(QStringLiteral("chestField"), tr("Chest:"), 50, 250, tr("cm"));
    m_biceps = AddNumberField(QStringLiteral("bicepsField"), tr("Biceps:"), 15, 65, tr("cm"));

    auto *row = new QHBoxLayout;
    row->addWidget(picture);
    row->addSpacing(16);
    row->addWidget(m_numberGrid, 1, Qt::AlignVCenter);
    auto *layout = new QVBoxLayout(section);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new CSectionHeading(tr("Anthropometrics"), section));
    layout->addLayout(row);
    return section;
}

CWrappingNumberEdit *CUserDataDlg::AddNumberField(const QString &name, const QString &label,
                                                  int minimum, int maximum, const QString &unit)
{
    auto *grid = static_cast<QGridLayout *>(m_numberGrid->layout());
    const int row = grid->count() / 3; // three widgets a row
    auto *field = new CWrappingNumberEdit(minimum, maximum, m_numberGrid);
    field->setObjectName(name);
    auto *caption = new QLabel(label, m_numberGrid);
    caption->setBuddy(field);
    grid->addWidget(caption, row, 0);
    grid->addWidget(field, row, 1);
    grid->addWidget(new QLabel(unit, m_numberGrid), row, 2);
    return field;
}

bool CUserDataDlg::Edit(QWidget *parent, SettingsStore &settings, bool firstRun)
{
    CUserDataDlg dialog(parent);
    dialog.SetFirstRun(firstRun);
    dialog.SetData(UserProfile::Load(settings));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    // Deriving the password record takes a noticeable moment.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    UserProfile::Store(settings, dialog.GetData());
    QGuiApplication::restoreOverrideCursor();
    return true;
}

void CUserDataDlg::SetFirstRun(bool firstRun)
{
    m_firstRun = firstRun;
    m_cancelButton->setText(firstRun ? tr("Skip") : tr("Cancel"));
    m_cancelButton->SetImage(
        ResourceImages::Pixmap(firstRun ? ImageId::ButtonSkip : ImageId::ButtonCancel));
}

void CUserDataDlg::SetData(const UserData &data)
{
    m_data = data;
    m_firstName->setText(data.firstName);
    m_lastName->setText(data.lastName);
    m_password->setText(data.password);
    m_confirmation->setText(data.confirmation);
    m_height->SetValue(data.height);
    m_shownWeight = qRound(m_unit.Shown(data.weight));
    m_weight->SetValue(m_shownWeight);
    m_chest->SetValue(data.chest);
    m_biceps->SetValue(data.biceps);
}

QString CUserDataDlg::MismatchMessage()
{
    return tr("Password and confirmation fields does not match.");
}

QString CUserDataDlg::NumberMessage()
{
    return tr("Please enter a whole number.");
}

void CUserDataDlg::accept()
{
    UserData data;
    data.firstName = m_firstName->text();
    data.lastName = m_lastName->text();
    data.password = m_password->text();
    data.confirmation = m_confirmation->text();
    const std::pair<CWrappingNumberEdit *, int *> numbers[] = {{m_height, &data.height},
                                                               {m_weight, &data.weight},
                                                               {m_chest, &data.chest},
                                                               {m_biceps, &data.biceps}};
    for (const auto &[field, value] : numbers) {
        const std::optional<int> number = field->Value();
        if (!number) {
            MessageBox::Warning(this, NumberMessage());
            field->setFocus();
            field->selectAll();
            return;
        }
        *value = *number;
    }
    data.weight = data.weight == m_shownWeight ? m_data.weight : qRound(m_unit.ToKg(data.weight));
    if (data.password != data.confirmation) {
        MessageBox::Warning(this, MismatchMessage());
        m_password->setFocus();
        m_password->selectAll();
        return;
    }
    m_data = data;
    QDialog::accept();
}

void CUserDataDlg::keyPressEvent(QKeyEvent *event)
{
    if (!HandleEnterKey(*this, event))
        QDialog::keyPressEvent(event);
}
