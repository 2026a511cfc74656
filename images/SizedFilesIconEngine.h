#pragma once

#include <QIconEngine>
#include <QList>
#include <QMap>
#include <QPixmap>

// An icon drawn in several sizes, one image file per size, that decodes a file only when a
// pixmap of about its size is first asked for. A QIcon built with addFile decodes every file
// at once, which costs a program's start-up the decoding of sizes it never shows.
class SizedFilesIconEngine : public QIconEngine
{
public:
    // size: the width and height of the square image in path.
    void AddFile(int size, const QString &path);

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override;
    QString key() const override;
    bool isNull() override;

private:
    // The drawn size that serves a request: the smallest as large as it, else the largest.
    int SizeFor(const QSize &size) const;

    QMap<int, QString> m_files;
    QMap<int, QPixmap> m_decoded;
};
