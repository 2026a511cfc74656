#include "notifier/CNotifierWindow.h"

#include "images/ImageIds.h"
#include "images/ResourceImages.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int IconSize = 48;

const char IdleTitle[] = QT_TRANSLATE_NOOP("CNotifierWindow", "No reminder at the moment");
const char IdleText[] = QT_TRANSLATE_NOOP(
    "CNotifierWindow",
    "This desktop has no notification area, so the workout notifier shows this window. It "
    "comes to the front when there is something to remind you of.");

} // namespace

CNotifierWindow::CNotifierWindow(Commands commands, QWidget *parent)
    : QWidget(parent)
    , m_commands(std::move(commands))
    , m_title(new QLabel(tr(IdleTitle), this))
    , m_text(new QLabel(tr(IdleText), this))
{
    setWindowTitle(tr("Repminder - workout notifier"));
    setWindowIcon(ResourceImages::AppIcon(ImageId::NotifierIcon));

    auto *icon = new QLabel(this);
    icon->setPixmap(ResourceImages::AppIconPixmap(ImageId::NotifierIcon, IconSize));
    QFont titleFont = m_title->font();
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    m_title->setObjectName(QStringLiteral("reminderTitle"));
    m_text->setObjectName(QStringLiteral("reminderText"));
    m_text->setWordWrap(true);
    m_text->setMinimumWidth(320);

    auto *texts = new QVBoxLayout;
    texts->addWidget(m_title);
    texts->addWidget(m_text);
    texts->addStretch(1);
    auto *top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addSpacing(8);
    top->addLayout(texts, 1);

    auto *open = new QPushButton(tr("&Open"), this);
    auto *options = new QPushButton(tr("O&ptions"), this);
    auto *exit = new QPushButton(tr("E&xit"), this);
    open->setDefault(true);
    connect(open, &QPushButton::clicked, this, [this] { m_commands.open(); });
    connect(options, &QPushButton::clicked, this, [this] { m_commands.options(); });
    connect(exit, &QPushButton::clicked, this, [this] { m_commands.exit(); });
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(open);
    buttons->addWidget(options);
    buttons->addWidget(exit);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CNotifierWindow::ShowPresence()
{
    show();
}

void CNotifierWindow::HidePresence()
{
    hide();
}

void CNotifierWindow::ShowBalloon(const QString &title, const QString &text)
{
    // The balloon's text speaks of clicking the balloon; here the Open button does that.
    Q_UNUSED(text);
    const bool repeated = m_title->text() == title;
    m_title->setText(title);
    m_text->setText(tr("Click \"Open\" to see the reminder."));
    // A new reminder comes to the front; a repeated one only asks for attention, so that the
    // window does not cover the user's work again every few minutes.
    if (!repeated) {
        showNormal();
        raise();
    }
    QApplication::alert(this);
}

void CNotifierWindow::HideBalloon()
{
    m_title->setText(tr(IdleTitle));
    m_text->setText(tr(IdleText));
}

void CNotifierWindow::closeEvent(QCloseEvent *event)
{
    // The notifier decides whether to end; the window stays until it does.
    event->ignore();
    m_commands.exit();
}
