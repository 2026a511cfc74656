#include "common/TestMain.h"
#include "diary/COptionsCommonPage.h"
#include "diary/COptionsSheet.h"
#include "diary/CSectionHeading.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "widgets/CPictureButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include <limits>
#include <optional>

namespace {

enum class Finish { Ok, Cancel, Escape, Enter };

template<typename T>
T *Child(QWidget &parent, const char *name)
{
    return parent.findChild<T *>(QLatin1String(name));
}

} // namespace

Q_DECLARE_METATYPE(Finish)

class TestOptionsSheet : public QObject
{
    Q_OBJECT

private slots:
    void init() { QFile::remove(SettingsStore().FileName()); }

    void layout();
    void edit_data();
    void edit();
};

void TestOptionsSheet::layout()
{
    COptionsSheet sheet;
    QCOMPARE(sheet.windowTitle(), QStringLiteral("Options"));
    auto *tabs = sheet.findChild<QTabWidget *>();
    QCOMPARE(tabs->count(), 1);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Common"));
    QStringList headings;
    for (const CSectionHeading *heading : sheet.findChildren<CSectionHeading *>())
        headings.append(heading->Title());
    QCOMPARE(headings,
             (QStringList {QStringLiteral("Status images"), QStringLiteral("Program applying")}));
    QCOMPARE(Child<QRadioButton>(sheet, "shieldsButton")->text(), QStringLiteral("Shields"));
    QCOMPARE(Child<QRadioButton>(sheet, "flagsButton")->text(), QStringLiteral("Flags"));
    QCOMPARE(Child<QCheckBox>(sheet, "delayBox")->text(),
             QStringLiteral("Make a delay while program applying"));
    QStringList buttons;
    for (const CPictureButton *button : sheet.findChildren<CPictureButton *>())
        buttons.append(button->text());
    QCOMPARE(buttons, (QStringList {QStringLiteral("OK"), QStringLiteral("Cancel")}));
}

void TestOptionsSheet::edit_data()
{
    QTest::addColumn<std::optional<int>>("storedImage");
    QTest::addColumn<std::optional<int>>("storedDelay");
    QTest::addColumn<bool>("shownFlags");
    QTest::addColumn<bool>("shownDelay");
    QTest::addColumn<QString>("choose"); // "shields", "flags", "delay" (toggles) or ""
    QTest::addColumn<Finish>("finish");
    QTest::addColumn<std::optional<int>>("image"); // stored afterwards; nullopt: absent
    QTest::addColumn<std::optional<int>>("delay");

    const std::optional<int> absent;
    QTest::newRow("first start, OK")
        << absent << absent << false << false << QString() << Finish::Ok << std::optional<int>(0)
        << std::optional<int>(0);
    QTest::newRow("flags chosen") << absent << absent << false << false << QStringLiteral("flags")
                                  << Finish::Ok << std::optional<int>(1) << std::optional<int>(0);
    QTest::newRow("shields chosen") << std::optional<int>(1) << std::optional<int>(1) << true
                                    << true << QStringLiteral("shields") << Finish::Ok
                                    << std::optional<int>(0) << std::optional<int>(1);
    QTest::newRow("delay ticked") << absent << absent << false << false << QStringLiteral("delay")
                                  << Finish::Ok << std::optional<int>(0) << std::optional<int>(1);
    QTest::newRow("flags chosen, Cancel")
        << absent << absent << false << false << QStringLiteral("flags") << Finish::Cancel << absent
        << absent;
    QTest::newRow("delay ticked, Escape") << std::optional<int>(1) << std::optional<int>(0) << true
                                          << false << QStringLiteral("delay") << Finish::Escape
                                          << std::optional<int>(1) << std::optional<int>(0);
    QTest::newRow("stored 2 shows flags and is stored as 1")
        << std::optional<int>(2) << std::optional<int>(0) << true << false << QString()
        << Finish::Ok << std::optional<int>(1) << std::optional<int>(0);
    QTest::newRow("Enter on a radio button confirms")
        << absent << absent << false << false << QStringLiteral("flags") << Finish::Enter
        << std::optional<int>(1) << std::optional<int>(0);
}

void TestOptionsSheet::edit()
{
    QFETCH(std::optional<int>, storedImage);
    QFETCH(std::optional<int>, storedDelay);
    QFETCH(bool, shownFlags);
    QFETCH(bool, shownDelay);
    QFETCH(QString, choose);
    QFETCH(Finish, finish);
    QFETCH(std::optional<int>, image);
    QFETCH(std::optional<int>, delay);

    SettingsStore settings;
    if (storedImage)
        settings.Write(SettingsKeys::Image, *storedImage);
    if (storedDelay)
        settings.Write(SettingsKeys::Delay, *storedDelay);
    // The main window's copies, read as it reads them when it opens.
    bool useShields = settings.Read(SettingsKeys::Image) <= 0;
    bool applyDelay = settings.Read(SettingsKeys::Delay) != 0;
    const bool shieldsBefore = useShields;
    const bool delayBefore = applyDelay;

    QTimer::singleShot(0, [&] {
        auto *sheet = qobject_cast<COptionsSheet *>(QApplication::activeModalWidget());
        QVERIFY(sheet);
        auto *shields = Child<QRadioButton>(*sheet, "shieldsButton");
        auto *flags = Child<QRadioButton>(*sheet, "flagsButton");
        auto *delayBox = Child<QCheckBox>(*sheet, "delayBox");
        QCOMPARE(flags->isChecked(), shownFlags);
        QCOMPARE(shields->isChecked(), !shownFlags);
        QCOMPARE(delayBox->isChecked(), shownDelay);
        QWidget *focus = shields;
        if (choose == QLatin1String("flags"))
            focus = flags;
        else if (choose == QLatin1String("delay"))
            focus = delayBox;
        if (!choose.isEmpty())
            QTest::mouseClick(focus, Qt::LeftButton, {}, QPoint(8, focus->height() / 2));
        focus->setFocus();
        switch (finish) {
        case Finish::Ok:
            QTest::mouseClick(Child<CPictureButton>(*sheet, "okButton"), Qt::LeftButton);
            break;
        case Finish::Cancel:
            QTest::mouseClick(Child<CPictureButton>(*sheet, "cancelButton"), Qt::LeftButton);
            break;
        case Finish::Escape:
            QTest::keyClick(focus, Qt::Key_Escape);
            break;
        case Finish::Enter:
            QTest::keyClick(focus, Qt::Key_Return);
            break;
        }
        if (sheet->isVisible())
            sheet->reject();
    });
    const bool confirmed = COptionsSheet::Edit(nullptr, settings, useShields, applyDelay);

    const bool ok = finish == Finish::Ok || finish == Finish::Enter;
    QCOMPARE(confirmed, ok);
    const auto stored = [&](const SettingsKeys::IntSetting &key) -> std::optional<int> {
        constexpr int Absent = std::numeric_limits<int>::min();
        const int value = settings.GetProfileInt(QString::fromLatin1(key.section),
                                                 QString::fromLatin1(key.value), Absent);
        return value == Absent ? std::nullopt : std::optional<int>(value);
    };
    QCOMPARE(stored(SettingsKeys::Image), image);
    QCOMPARE(stored(SettingsKeys::Delay), delay);
    if (ok) {
        QCOMPARE(useShields, *image == 0);
        QCOMPARE(applyDelay, *delay == 1);
    } else {
        QCOMPARE(useShields, shieldsBefore);
        QCOMPARE(applyDelay, delayBefore);
    }
}

REPBOOK_TEST_MAIN(TestOptionsSheet)
#include "tst_optionssheet.moc"
