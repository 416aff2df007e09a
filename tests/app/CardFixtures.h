#pragma once

// Cards the app tests make and drop: a blank card with a coloured patch, so
// that pictures are told apart by colour, and files dragged onto a widget.

#include "images/TBitmap.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QPainter>
#include <QTest>
#include <QUrl>
#include <QWidget>
#include <memory>

inline TBitmap picture(const QColor& colour)
{
    TBitmap bitmap;
    bitmap.LoadBitmapResource(QStringLiteral("BMPBRANCO"));
    bitmap.Draw([&colour](QPainter& p) { p.fillRect(QRect(5, 5, 50, 30), colour); });
    return bitmap;
}

inline void savePicture(const QColor& colour, const QString& path)
{
    picture(colour).SaveBitmapFile(path);
}

// Saved under another name and renamed over `path`, as other programs save.
inline void replacePicture(const QColor& colour, const QString& path)
{
    picture(colour).SaveBitmapFile(path + QStringLiteral(".new"));
    QFile::remove(path);
    QVERIFY(QFile::rename(path + QStringLiteral(".new"), path));
}

// The files as a drag carries them.
inline QMimeData* filesData(const QStringList& paths)
{
    auto* data = new QMimeData;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    data->setUrls(urls);
    return data;
}

// Drags `data` onto `target` and drops it there when the drag is taken;
// whether it was taken on entering.
inline bool dropOn(QWidget* target, QPoint at, QMimeData* data)
{
    std::unique_ptr<QMimeData> owned(data);
    QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDragMoveEvent move(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &move);
    QDropEvent drop(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    return move.isAccepted() && drop.isAccepted();
}
