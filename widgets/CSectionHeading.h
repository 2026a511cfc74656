#pragma once

#include <QWidget>

class QLabel;

// The heading of a group of fields: a bold title followed by a horizontal rule to the right edge.
class CSectionHeading : public QWidget
{
    Q_OBJECT

public:
    explicit CSectionHeading(const QString &title, QWidget *parent = nullptr);

    QString Title() const;
    QLabel *Label() const { return m_label; }

private:
    QLabel *m_label;
};
