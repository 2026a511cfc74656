#include "common/GuiTest.h"

#include "common/TestFiles.h"
#include "model/Clock.h"
#include "widgets/FileDialog.h"
#include "widgets/MessageBox.h"

#include <QContextMenuEvent>
#include <QMenu>

namespace testsupport {

QDateTime DefaultTestMoment()
{
    return QDateTime(QDate(2026, 12, 7), QTime(9, 30));
}

void BeginGuiCase(const QDateTime &moment)
{
    MessageBox::setTestMode(true);
    FileDialog::setTestMode(true);
    MessageBox::takeShown();
    ClearSettings();
    ResetDatabaseFolder();
    Clock::SetFixed(moment);
}

QString EndGuiCase()
{
    QStringList problems;
    for (const QString &text : MessageBox::takeUnexpected())
        problems.append(QStringLiteral("unexpected box: ") + text);
    for (const QString &caption : FileDialog::takeUnexpected())
        problems.append(QStringLiteral("unexpected file dialog: ") + caption);
    if (!MessageBox::pendingAnswers().isEmpty())
        problems.append(QStringLiteral("%1 queued answers never taken")
                            .arg(MessageBox::pendingAnswers().size()));
    MessageBox::setTestMode(true); // forgets the queued answers
    MessageBox::takeShown();
    Clock::Reset();
    return problems.join(QLatin1Char('\n'));
}

void ChooseFromContextMenu(QWidget *target, const QPoint &pos, int entry)
{
    QTimer::singleShot(0, [entry] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu != nullptr);
        menu->setActiveAction(menu->actions().at(entry));
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, target->mapToGlobal(pos));
    QApplication::sendEvent(target, &event);
}

} // namespace testsupport
