#pragma once

#include <QPixmap>
#include <QToolButton>

class QMenu;

// A push button with a picture from the program's images and a text. The picture sits left of
// the text unless placed otherwise. A drop-down menu may hang off a separate arrow part
// (SetDropDownMenu) or off the whole button (SetWholeButtonMenu).
class CPictureButton : public QToolButton
{
    Q_OBJECT

public:
    enum class Placement { Left, Right, Above, Below, Only };

    CPictureButton(int imageId, const QString &text, QWidget *parent = nullptr);

    void SetImagePlacement(Placement placement);
    Placement GetImagePlacement() const { return m_placement; }
    void SetDropDownMenu(QMenu *menu); // clicking the main part sends clicked()
    void SetWholeButtonMenu(QMenu *menu); // any click opens the menu
    void SetImage(const QPixmap &image);
    void ClearImage();
    QPixmap GetImage() const { return m_image; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool PaintsItself() const;
    QSize ContentSize() const;

    Placement m_placement = Placement::Left;
    QPixmap m_image;
};
