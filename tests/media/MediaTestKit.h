#pragma once

// Helpers of the media tests: choosing a list row as a user does, acting inside a modal
// window, and making library files.

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace mediatest {

// Picks the row with this text from the list's drop-down, as a click would.
inline bool choose(QComboBox* combo, const QString& text)
{
    const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        return false;
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    const QModelIndex item = combo->model()->index(index, combo->modelColumn());
    view->scrollTo(item);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
    return true;
}

// Watches for the next modal window of type W, runs the action on it and then closes it if
// the action left it open. Keep the watch on the stack around the step that opens the
// window; it stops watching when it goes out of scope.
template <typename W> class ModalWatch
{
public:
    explicit ModalWatch(std::function<void(W&)> action) : m_action(std::move(action))
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { poll(); });
        m_timer.start();
    }
    bool seen() const { return m_seen; }

private:
    void poll()
    {
        auto* wanted = dynamic_cast<W*>(QApplication::activeModalWidget());
        if (!wanted || !wanted->isVisible())
            return;
        m_timer.stop();
        m_seen = true;
        QPointer<QWidget> guard(wanted);
        m_action(*wanted);
        if (guard && guard->isVisible())
            guard->close();
    }

    std::function<void(W&)> m_action;
    QTimer m_timer;
    bool m_seen = false;
};

// A file with the given bytes; the folders on its way must exist.
inline bool writeFile(const QString& path, const QByteArray& bytes = "data")
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A small picture in one colour.
inline bool writeImage(const QString& path, const QColor& colour = Qt::darkCyan)
{
    QImage image(160, 120, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path);
}

// Every row of a list.
inline QStringList rows(const QComboBox* combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

} // namespace mediatest
