// The yardsticks of the start-up benchmark, leaving as soon as they have painted, as the diary
// does with REPBOOK_QUIT_WHEN_SHOWN set: an empty Qt Widgets window in the diary's style, or
// with --text the smallest window that shows text (a menu bar and a label), which also pays
// for loading the fonts as every real window does. Both open at the size the diary's main
// window first opens at (1240 x 900 within nine tenths of the screen, at least 720 x 560), so
// that painting as many pixels is not counted as the diary's cost.

#include "diary/QuitWhenShown.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    QMainWindow window;
    if (QApplication::arguments().contains(QStringLiteral("--text"))) {
        window.menuBar()->addMenu(QStringLiteral("&File"));
        window.setCentralWidget(new QLabel(QStringLiteral("Empty window"), &window));
    }
    const QSize screen = QApplication::primaryScreen()->availableSize();
    window.resize(QSize(1240, 900).boundedTo(screen * 0.9).expandedTo(QSize(720, 560)));
    QuitWhenShown::Arm(window);
    window.show();
    return QApplication::exec();
}
