#include "diary/CAboutDlg.h"

#include "images/ImageIds.h"
#include "images/ResourceImages.h"
#include "settings/DiaryLocation.h"
#include "settings/SettingsStore.h"
#include "widgets/CPictureButton.h"
#include "widgets/EnterKey.h"
#include "widgets/MessageBox.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QLabel *MakeText(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QString SettingsFolder()
{
    return QFileInfo(SettingsStore().FileName()).absolutePath();
}

} // namespace

CAboutDlg::CAboutDlg(QWidget *parent)
    : QDialog(parent)
    , m_pages(new QTabWidget(this))
{
    setWindowTitle(tr("About Repbook"));
    setObjectName(QStringLiteral("CAboutDlg"));
    m_pages->addTab(BuildGeneralPage(), tr("General"));
    m_pages->addTab(BuildSupportPage(), tr("Support"));

    auto *okButton = new CPictureButton(ImageId::SmallButtonOk, tr("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    connect(okButton, &CPictureButton::clicked, this, &CAboutDlg::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addLayout(buttons);
    setMinimumWidth(560);
}

QString CAboutDlg::LicenceText()
{
    return tr("Licensed under the GNU General Public License, version 3 or later.");
}

QStringList CAboutDlg::DataFolders()
{
    return {DiaryLocation::Folder(), DiaryLocation::Folder(), SettingsFolder()};
}

QWidget *CAboutDlg::BuildGeneralPage()
{
    auto *page = new QWidget(m_pages);
    page->setObjectName(QStringLiteral("generalPage"));

    auto *icon = new QLabel(page);
    icon->setPixmap(ResourceImages::AppIcon(ImageId::AppIcon).pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop);

    auto *name = new QLabel(QStringLiteral("Repbook"), page);
    QFont large = name->font();
    large.setPointSizeF(large.pointSizeF() * 1.6);
    large.setWeight(QFont::Bold);
    name->setFont(large);

    auto *text = new QVBoxLayout;
    text->setSpacing(6);
    text->addWidget(name);
    text->addWidget(MakeText(tr("Version %1").arg(QStringLiteral(REPBOOK_VERSION)), page));
    text->addWidget(MakeText(tr("A personal workout diary, with Repminder, its workout "
                                "notifier."),
                             page));
    text->addSpacing(8);
    text->addWidget(MakeText(tr("Running on Qt %1.").arg(QString::fromLatin1(qVersion())), page));
    text->addWidget(MakeText(LicenceText(), page));
    text->addStretch();

    auto *layout = new QHBoxLayout(page);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(16);
    layout->addWidget(icon);
    layout->addLayout(text, 1);
    return page;
}

QWidget *CAboutDlg::BuildSupportPage()
{
    auto *page = new QWidget(m_pages);
    page->setObjectName(QStringLiteral("supportPage"));
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(MakeText(tr("Repbook keeps everything on this computer. To back up your "
                                  "diary or move it to another computer, copy these files."),
                               page));
    layout->addSpacing(6);
    auto *grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    grid->setVerticalSpacing(10);
    layout->addLayout(grid);
    layout->addStretch();

    const QStringList folders = DataFolders();
    AddFolderRow(grid, tr("Diary:"), DiaryLocation::DatabasePath(), folders.at(0),
                 QStringLiteral("diaryFolderButton"));
    AddFolderRow(grid, tr("Name lists:"),
                 DiaryLocation::ExerciseListPath() + QLatin1Char('\n') +
                     DiaryLocation::WorkoutListPath(),
                 folders.at(1), QStringLiteral("nameListFolderButton"));
    AddFolderRow(grid, tr("Settings:"), SettingsStore().FileName(), folders.at(2),
                 QStringLiteral("settingsFolderButton"));
    return page;
}

void CAboutDlg::AddFolderRow(QGridLayout *grid, const QString &what, const QString &shownPath,
                             const QString &folder, const QString &name)
{
    QWidget *page = grid->parentWidget();
    const int row = grid->rowCount();
    auto *caption = new QLabel(what, page);
    caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto *path = MakeText(QDir::toNativeSeparators(shownPath), page);
    path->setObjectName(name + QStringLiteral("Path"));
    auto *button = new QPushButton(tr("Open folder"), page);
    button->setObjectName(name);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, folder] { OpenFolder(folder); });
    grid->addWidget(caption, row, 0);
    grid->addWidget(path, row, 1);
    grid->addWidget(button, row, 2, Qt::AlignTop);
}

void CAboutDlg::OpenFolder(const QString &folder)
{
    const QString shown = QDir::toNativeSeparators(folder);
    if (!QFileInfo(folder).isDir()) {
        MessageBox::Information(this, tr("The folder does not exist yet:\n%1").arg(shown));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        MessageBox::Warning(this, tr("The folder could not be opened:\n%1").arg(shown));
}

void CAboutDlg::keyPressEvent(QKeyEvent *event)
{
    if (!HandleEnterKey(*this, event))
        QDialog::keyPressEvent(event);
}
