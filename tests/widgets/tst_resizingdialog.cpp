#include "common/TestMain.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "widgets/CResizingDialog.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QSettings>
#include <QVBoxLayout>

namespace {

constexpr int TestDialogId = 0xAB; // section "ab"
const QSize Designed(420, 300);

class TestDialog : public CResizingDialog
{
public:
    TestDialog()
        : CResizingDialog(TestDialogId)
    {
        auto *layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel(QStringLiteral("Designed for tests"), this));
        SetDesignedSize(Designed);
    }
};

int Stored(const char *value)
{
    return SettingsStore().GetProfileInt(QStringLiteral("ab"), QLatin1String(value), -1);
}

void Store(int cx, int cy, int maximized)
{
    SettingsStore store;
    store.WriteProfileInt(QStringLiteral("ab"), QLatin1String(SettingsKeys::WindowWidth), cx);
    store.WriteProfileInt(QStringLiteral("ab"), QLatin1String(SettingsKeys::WindowHeight), cy);
    store.WriteProfileInt(QStringLiteral("ab"), QLatin1String(SettingsKeys::WindowMaximized),
                          maximized);
}

} // namespace

class TestResizingDialog : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QSettings(QSettings::NativeFormat, QSettings::UserScope,
                  QLatin1String(SettingsKeys::Organization),
                  QLatin1String(SettingsKeys::Application))
            .remove(QStringLiteral("ab"));
    }

    void restoresStoredSize_data()
    {
        QTest::addColumn<int>("cx");
        QTest::addColumn<int>("cy");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("900x700") << 900 << 700 << QSize(900, 700);
        QTest::newRow("700x500") << 700 << 500 << QSize(700, 500);
        QTest::newRow("nothing stored") << 0 << 0 << Designed;
        QTest::newRow("width 0 keeps designed") << 0 << 700 << Designed;
        QTest::newRow("height 0 keeps designed") << 900 << 0 << Designed;
        QTest::newRow("smaller than designed") << 200 << 100 << Designed;
    }
    void restoresStoredSize()
    {
        QFETCH(int, cx);
        QFETCH(int, cy);
        QFETCH(QSize, expected);
        Store(cx, cy, 0);
        TestDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        if (expected == Designed) {
            QCOMPARE(dialog.size(), Designed);
        } else {
            // The stored size is the outer size, and a window never grows beyond its screen.
            const QSize screen = dialog.screen()->availableGeometry().size();
            QCOMPARE(dialog.frameGeometry().size(), expected.boundedTo(screen));
        }
        QVERIFY(!dialog.isMaximized());
        QCOMPARE(dialog.minimumSize(), Designed);
    }

    void restoresMaximized()
    {
        Store(900, 700, 1);
        TestDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.isMaximized());
    }

    void storesNothingWithoutSizeChange()
    {
        TestDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.accept();
        QCOMPARE(Stored(SettingsKeys::WindowWidth), -1);
        QCOMPARE(Stored(SettingsKeys::WindowHeight), -1);
        QCOMPARE(Stored(SettingsKeys::WindowMaximized), -1);
    }

    void storesSizeAfterChange_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::newRow("OK") << true;
        QTest::newRow("Cancel") << false;
    }
    void storesSizeAfterChange()
    {
        QFETCH(bool, accept);
        TestDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::qWait(10);
        dialog.resize(800, 600);
        QTRY_COMPARE(dialog.size(), QSize(800, 600));
        QVERIFY(dialog.SizeChanged());
        accept ? dialog.accept() : dialog.reject();
        const QSize frame = dialog.frameGeometry().size() - dialog.size();
        QCOMPARE(Stored(SettingsKeys::WindowWidth), 800 + frame.width());
        QCOMPARE(Stored(SettingsKeys::WindowHeight), 600 + frame.height());
        QCOMPARE(Stored(SettingsKeys::WindowMaximized), 0);
    }

    void storesMaximizedState()
    {
        Store(700, 500, 0);
        TestDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::qWait(10);
        dialog.showMaximized();
        QTRY_VERIFY(dialog.isMaximized());
        dialog.accept();
        QCOMPARE(Stored(SettingsKeys::WindowMaximized), 1);
        // The size to return to is kept, not the size of the screen.
        QCOMPARE(Stored(SettingsKeys::WindowWidth), 700);
        QCOMPARE(Stored(SettingsKeys::WindowHeight), 500);
    }

    void sectionIsLowerCaseHex()
    {
        QCOMPARE(SettingsKeys::DialogSection(TestDialogId), QStringLiteral("ab"));
        QCOMPARE(SettingsKeys::DialogSection(SettingsKeys::MainWindowId), QStringLiteral("66"));
    }

    void layoutSizeHintIsTheDesignedSizeWithoutOne()
    {
        CResizingDialog dialog(TestDialogId);
        auto *layout = new QVBoxLayout(&dialog);
        auto *label = new QLabel(QStringLiteral("Label"), &dialog);
        label->setMinimumSize(333, 222);
        layout->addWidget(label);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.DesignedSize(), dialog.sizeHint().expandedTo(dialog.minimumSizeHint()));
        QVERIFY(dialog.width() >= 333 && dialog.height() >= 222);
        QCOMPARE(dialog.minimumSize(), dialog.DesignedSize());
    }
};

REPBOOK_TEST_MAIN(TestResizingDialog)

#include "tst_resizingdialog.moc"
