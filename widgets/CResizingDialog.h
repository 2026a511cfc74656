#pragma once

#include <QDialog>
#include <QSize>

// A dialog that the user may resize and that remembers its size. The size lives in the settings
// section named by the dialog's id in lower-case hexadecimal ("66" for id 102): "Maximized" 1
// restores the dialog maximized, else "CX" and "CY" (outer size in pixels) when both are non-zero,
// else the designed size. The designed size is the size when first shown and also the minimum
// size. The size is written when the dialog finishes, and only when it changed since the dialog
// was created.
class CResizingDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CResizingDialog(int dialogId, QWidget *parent = nullptr);

    // The size the dialog shows when nothing is stored; without it the layout's size hint.
    void SetDesignedSize(const QSize &size);
    QSize DesignedSize() const;
    // The size the dialog opens at while none is stored, when it should be larger than the
    // designed (minimum) size; it is kept within nine tenths of the screen's available area.
    void SetFirstOpenSize(const QSize &size) { m_firstOpenSize = size; }
    bool SizeChanged() const { return m_sizeChanged; }

    void done(int result) override;

protected:
    int DialogId() const { return m_dialogId; }
    virtual void StoreWindowSize();

    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void RestoreWindowSize();
    QSize FrameExtra() const;

    int m_dialogId;
    QSize m_designedSize;
    QSize m_firstOpenSize;
    bool m_restored = false;
    bool m_sizeChanged = false;
    bool m_settling = false; // the window system is still applying the restored size
    QSize m_restoredSize;
};
