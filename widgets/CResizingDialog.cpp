#include "widgets/CResizingDialog.h"

#include "settings/SettingsStore.h"

#include <QGuiApplication>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>

CResizingDialog::CResizingDialog(int dialogId, QWidget *parent)
    : QDialog(parent)
    , m_dialogId(dialogId)
{
    setSizeGripEnabled(true);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void CResizingDialog::SetDesignedSize(const QSize &size)
{
    m_designedSize = size;
}

QSize CResizingDialog::DesignedSize() const
{
    if (m_designedSize.isValid())
        return m_designedSize;
    // A dialog that sized itself before it was shown was designed at that size.
    if (testAttribute(Qt::WA_Resized))
        return size();
    return sizeHint().expandedTo(minimumSizeHint());
}

QSize CResizingDialog::FrameExtra() const
{
    const QSize extra = frameGeometry().size() - geometry().size();
    return QSize(qMax(0, extra.width()), qMax(0, extra.height()));
}

void CResizingDialog::RestoreWindowSize()
{
    const SettingsStore::WindowSize stored = SettingsStore().ReadWindowSize(m_dialogId);
    const int cx = stored.width;
    const int cy = stored.height;
    const bool maximized = stored.maximized;

    m_designedSize = DesignedSize();
    QSize designed = m_designedSize;
    QSize available;
    if (const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen())
        available = screen->availableGeometry().size() - FrameExtra();
    if (available.isValid() && !available.isEmpty())
        designed = designed.boundedTo(available);
    setMinimumSize(designed);

    QSize size = designed;
    if (m_firstOpenSize.isValid() && available.isValid() && !available.isEmpty())
        size = m_firstOpenSize.boundedTo(available * 0.9).expandedTo(designed);
    if (cx > 0 && cy > 0) {
        // The stored size is the outer size; the frame is not part of the dialog's own size.
        size = (QSize(cx, cy) - FrameExtra()).expandedTo(designed);
        if (available.isValid() && !available.isEmpty())
            size = size.boundedTo(available);
    }
    resize(size);
    if (maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
    m_restoredSize = size;
}

void CResizingDialog::showEvent(QShowEvent *event)
{
    if (!m_restored) {
        m_settling = true;
        RestoreWindowSize();
        m_restored = true;
        // A window manager may still move the dialog into its restored size after it is shown;
        // those resizes are not the user's.
        QTimer::singleShot(0, this, [this] { m_settling = false; });
    }
    QDialog::showEvent(event);
}

void CResizingDialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (m_restored && !m_settling && isVisible() && event->oldSize().isValid() &&
        event->size() != event->oldSize())
        m_sizeChanged = true;
}

void CResizingDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && m_restored && !m_settling)
        m_sizeChanged = true;
}

void CResizingDialog::done(int result)
{
    if (m_sizeChanged)
        StoreWindowSize();
    QDialog::done(result);
}

void CResizingDialog::StoreWindowSize()
{
    const bool maximized = isMaximized();
    // A maximized dialog keeps the size it will return to, so un-maximizing later finds it.
    const QSize inner = maximized && normalGeometry().isValid() ? normalGeometry().size() : size();
    const QSize outer = inner + FrameExtra();
    SettingsStore().WriteWindowSize(
        m_dialogId, {.width = outer.width(), .height = outer.height(), .maximized = maximized});
}
