#pragma once

#include <QWidget>

class QLabel;

// The placeholder panel of the workout tab control: a picture and a bold hint text that cover
// the grid's place when there is nothing to show. A double click hands the hint's id to the
// control's host, which decides what to do (add a workout, add an exercise, open a program).
class CEmptyDlg : public QWidget
{
    Q_OBJECT

public:
    explicit CEmptyDlg(QWidget *parent = nullptr);

    // Shows the hint with that id (see DayDlgIds::Hint); 0 hides the panel.
    void SetHint(int hintId);
    int GetHint() const { return m_hint; }
    QString GetText() const;

    // The text of a hint id; empty for an unknown id.
    static QString HintText(int hintId);

signals:
    void hintDoubleClicked(int hintId);

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QLabel *m_picture;
    QLabel *m_text;
    int m_hint = 0;
};
