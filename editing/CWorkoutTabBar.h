#pragma once

#include <QTabBar>

#include <functional>

class QPixmap;

// The tab row of the workout tab control. Each tab draws its workout's status image left of its
// name; the name is shortened with an ellipsis to the space left. The images come from the
// owner at painting time, so a changed status shows at the next repaint.
class CWorkoutTabBar : public QTabBar
{
    Q_OBJECT

public:
    // The image of a tab, or nullptr for a tab without one.
    using ImageProvider = std::function<const QPixmap *(int tabIndex)>;

    // Longest text a tab keeps, and widest a tab grows before its text is shortened.
    static constexpr int MaxTextLength = 99;
    static constexpr int MaxTabWidth = 220;

    explicit CWorkoutTabBar(QWidget *parent = nullptr);

    // Appends a tab showing `name` as it is (an ampersand is no mnemonic), cut to MaxTextLength.
    int AddNamedTab(const QString &name);
    QString TabName(int index) const;
    // The tab's accessible name becomes "<name>, <status>".
    void SetTabStatus(int index, const QString &status);

    void SetImageProvider(ImageProvider provider);
    const QPixmap *TabImage(int index) const;

    // The text a tab shows within `width` pixels (elided), as painted.
    QString ShownText(int index, int width) const;

    // Ctrl+Page Down and Ctrl+Page Up select the next and the previous tab, round the row, from
    // anywhere inside area.
    void AddSwitchKeys(QWidget *area);
    // Selects the tab step places on, round the row; nothing with fewer than two tabs.
    void SelectNext(int step);

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Pixels a name needs in full.
    int TextWidth(const QString &text) const;

    ImageProvider m_images;
};
