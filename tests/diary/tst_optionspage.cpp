#include "common/TestMain.h"
#include "diary/COptionsCommonPage.h"
#include "images/StatusImages.h"

#include <QRadioButton>

// The stored status-image setting may hold any number: every value above 0 means flags. Each
// choice shows the Done picture of its own set.
class TestOptionsPage : public QObject
{
    Q_OBJECT

private slots:
    void storedChoiceShown_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("shown");
        QTest::newRow("shields") << 0 << int(COptionsCommonPage::Shields);
        QTest::newRow("flags") << 1 << int(COptionsCommonPage::Flags);
        QTest::newRow("any value above 0") << 7 << int(COptionsCommonPage::Flags);
        QTest::newRow("negative") << -1 << int(COptionsCommonPage::Shields);
    }
    void storedChoiceShown()
    {
        QFETCH(int, stored);
        QFETCH(int, shown);
        COptionsCommonPage page;
        page.SetStatusChoice(stored == 0 ? 1 : 0); // start from the other choice
        page.SetStatusChoice(stored);
        QCOMPARE(int(page.GetStatusChoice()), shown);
        const bool shields = shown == COptionsCommonPage::Shields;
        const QRadioButton *button = page.findChild<QRadioButton *>(
            shields ? QStringLiteral("shieldsButton") : QStringLiteral("flagsButton"));
        QVERIFY(button->isChecked());
        const StatusImageSet set(shields, StatusImageSize::Small16);
        QCOMPARE(button->icon().pixmap(16).toImage(), QIcon(set.Done()).pixmap(16).toImage());
    }
};

REPBOOK_TEST_MAIN(TestOptionsPage)

#include "tst_optionspage.moc"
